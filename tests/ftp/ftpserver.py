"""pyftpdlib on 127.0.0.1 at a free port, for the FTP tests.

Usage: ftpserver.py ROOT USER PASSWORD [--tls CERTFILE] [--tls-required]
                    [--require-reuse] [--no-connect-back] [--passive-only]
"""
import argparse
import logging

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("user")
    parser.add_argument("password")
    parser.add_argument("--tls")
    parser.add_argument("--tls-required", action="store_true")
    parser.add_argument("--require-reuse", action="store_true")
    parser.add_argument("--no-connect-back", action="store_true")
    parser.add_argument("--passive-only", action="store_true")
    args = parser.parse_args()

    base = TLS_FTPHandler if args.tls else FTPHandler

    class Handler(base):
        if args.passive_only:
            proto_cmds = {k: v for k, v in base.proto_cmds.items() if k not in ("PORT", "EPRT")}

        if args.no_connect_back:
            # As from behind a router: the address given cannot be reached.
            def ftp_PORT(self, line):
                self.respond("425 Can't connect to specified address.")

    class ReusingDTPHandler(TLS_DTPHandler):
        # As servers that insist on data connections resuming the control session.
        def handle_ssl_established(self):
            from OpenSSL import SSL
            if not SSL._lib.SSL_session_reused(self.socket._ssl):
                self.cmd_channel.respond("522 SSL session reuse required.")
                self.close()

    if args.require_reuse:
        Handler.dtp_handler = ReusingDTPHandler

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    Handler.authorizer = authorizer
    if args.tls:
        Handler.certfile = args.tls
        Handler.tls_control_required = args.tls_required
        Handler.tls_data_required = args.tls_required

    logging.basicConfig(level=logging.INFO, format="%(message)s")
    server = FTPServer(("127.0.0.1", 0), Handler)
    host, port = server.address
    logging.info("starting FTP server on %s:%d", host, port)
    server.serve_forever()


if __name__ == "__main__":
    main()
