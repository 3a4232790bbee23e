#include "ftp/sftptexts.h"

#include "settings/language.h"
#include "settings/messagetable.h"

#include <QLocale>

namespace SftpTexts {

namespace {

const MessageTable Table{"SFTP"};

const Message UnknownHostKey{
    Table,
    {"The server %1 is not known yet. It shows this host key:\n\nKey type: %2\nSHA-256 fingerprint: "
     "%3\n\nCompare the fingerprint with the one your provider gives. Do you trust this server?",
     "Serveren %1 er ikke kendt endnu. Den viser denne værtsnøgle:\n\nNøgletype: %2\n"
     "SHA-256-fingeraftryk: %3\n\nSammenlign fingeraftrykket med det, din udbyder oplyser. Stoler du på "
     "denne server?",
     "Der Server %1 ist noch nicht bekannt. Er zeigt diesen Hostschlüssel:\n\nSchlüsseltyp: %2\n"
     "SHA-256-Fingerabdruck: %3\n\nVergleichen Sie den Fingerabdruck mit dem, den Ihr Anbieter nennt. "
     "Vertrauen Sie diesem Server?"}};
const Message TrustOnce{Table, {"Trust &once", "Stol på den &denne gang", "&Einmal vertrauen"}};
const Message TrustAndRemember{Table, {"Trust and &remember", "Stol på den og &husk den", "Vertrauen und &merken"}};
const Message Refuse{Table, {"Re&fuse", "&Afvis", "A&blehnen"}};
const Message PassphraseFor{
    Table, {"Passphrase for the key %1:", "Adgangsfrase til nøglen %1:", "Passphrase für den Schlüssel %1:"}};
const Message WrongPassphrase{Table, {"Wrong passphrase.", "Forkert adgangsfrase.", "Falsche Passphrase."}};
const Message Cancelled{Table,
                        {"The operation was cancelled.", "Handlingen blev afbrudt.", "Der Vorgang wurde abgebrochen."}};
const Message TimedOut{
    Table, {"The server stopped answering.", "Serveren holdt op med at svare.", "Der Server antwortet nicht mehr."}};
const Message ConnectionFailed{Table,
                               {"The connection to the server could not be established:\n%1",
                                "Forbindelsen til serveren kunne ikke oprettes:\n%1",
                                "Die Verbindung zum Server konnte nicht hergestellt werden:\n%1"}};
const Message ConnectionLost{Table,
                             {"The connection to the server was lost:\n%1",
                              "Forbindelsen til serveren blev afbrudt:\n%1",
                              "Die Verbindung zum Server ist abgebrochen:\n%1"}};
const Message HostKeyChanged{
    Table,
    {"WARNING: the host key of %1 has changed (now %2). Someone may be listening in on the "
     "connection, or the server's key was replaced. The connection was refused.\n\nIf your "
     "provider confirms the new key, remove the old entry of %1 from %3 and connect again.",
     "ADVARSEL: værtsnøglen for %1 er ændret (nu %2). Nogen kan aflytte forbindelsen, eller "
     "serverens nøgle er skiftet. Forbindelsen blev afvist.\n\nHvis din udbyder bekræfter den nye "
     "nøgle, så fjern den gamle post for %1 fra %3 og forbind igen.",
     "WARNUNG: Der Hostschlüssel von %1 hat sich geändert (jetzt %2). Jemand könnte die Verbindung "
     "abhören, oder der Schlüssel des Servers wurde ersetzt. Die Verbindung wurde abgelehnt.\n\n"
     "Wenn Ihr Anbieter den neuen Schlüssel bestätigt, entfernen Sie den alten Eintrag für %1 aus %3 "
     "und verbinden Sie sich erneut."}};
const Message HostKeyRefused{Table,
                             {"The server's host key was refused; no connection was made.",
                              "Serverens værtsnøgle blev afvist; der blev ikke oprettet forbindelse.",
                              "Der Hostschlüssel des Servers wurde abgelehnt; es wurde keine Verbindung hergestellt."}};
const Message LoginFailed{
    Table,
    {"The server refused the login of %1 with the stored password, the SSH agent and the keys in "
     "~/.ssh.",
     "Serveren afviste login for %1 med den gemte adgangskode, SSH-agenten og nøglerne i ~/.ssh.",
     "Der Server hat die Anmeldung von %1 mit dem gespeicherten Kennwort, dem SSH-Agenten und den "
     "Schlüsseln in ~/.ssh abgelehnt."}};
const Message LocalFile{Table,
                        {"The local file could not be read or written:\n%1",
                         "Den lokale fil kunne ikke læses eller skrives:\n%1",
                         "Die lokale Datei konnte nicht gelesen oder geschrieben werden:\n%1"}};
const Message Refused{Table, {"The server refused:\n%1", "Serveren afviste:\n%1", "Der Server hat abgelehnt:\n%1"}};

} // namespace

QString unknownHostKey(const QString &host, const SftpHostKey &key, int lang)
{
    return UnknownHostKey.text(lang).arg(host, key.type, key.fingerprint);
}

QStringList hostKeyChoices(int lang) { return {TrustOnce.text(lang), TrustAndRemember.text(lang), Refuse.text(lang)}; }

QString passphrase(const QString &keyFile, bool again, int lang)
{
    const QString ask = PassphraseFor.text(lang).arg(keyFile);
    if (!again)
        return ask;
    return WrongPassphrase.text(lang) + QLatin1Char('\n') + ask;
}

QString date(const QDateTime &modified, const QDateTime &now, int lang)
{
    static const QLocale::Language locales[] = {QLocale::English, QLocale::English, QLocale::Danish, QLocale::German};
    const QLocale locale(lang >= English && lang <= German ? locales[lang] : QLocale::English);
    QString month = locale.monthName(modified.date().month(), QLocale::ShortFormat);
    month.remove(QLatin1Char('.'));
    const bool recent = modified > now.addMonths(-6) && modified < now.addDays(1);
    return QStringLiteral("%1 %2 %3")
        .arg(month)
        .arg(modified.date().day())
        .arg(recent ? modified.toString(QStringLiteral("HH:mm")) : QString::number(modified.date().year()));
}

QString error(const SftpError &error, const QString &host, const QString &knownHostsFile, int lang)
{
    const QString detail = error.detail();
    switch (error.kind()) {
    case SftpError::Kind::Cancelled:
        return Cancelled.text(lang);
    case SftpError::Kind::TimedOut:
        return TimedOut.text(lang);
    case SftpError::Kind::ConnectionFailed:
        return ConnectionFailed.text(lang).arg(detail);
    case SftpError::Kind::ConnectionLost:
        return ConnectionLost.text(lang).arg(detail);
    case SftpError::Kind::HostKeyChanged:
        return HostKeyChanged.text(lang).arg(host, detail, knownHostsFile);
    case SftpError::Kind::HostKeyRefused:
        return HostKeyRefused.text(lang);
    case SftpError::Kind::LoginFailed:
        return LoginFailed.text(lang).arg(detail);
    case SftpError::Kind::LocalFile:
        return LocalFile.text(lang).arg(detail);
    case SftpError::Kind::NotFound:
    case SftpError::Kind::PermissionDenied:
    case SftpError::Kind::AlreadyExists:
    case SftpError::Kind::Failure:
        break;
    }
    return Refused.text(lang).arg(detail);
}

} // namespace SftpTexts
