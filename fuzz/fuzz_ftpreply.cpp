// FTP reply lines: codes, the multi-line rule, announced sizes and PWD
// folders on arbitrary server text.
#include "ftp/ftpreply.h"
#include "fuzzinput.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString reply = fuzzText(data, size);
    const QStringList lines = reply.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString bare = FtpReply::chomp(line);
        FUZZ_CHECK(!bare.endsWith(QLatin1Char('\r')) && !bare.endsWith(QLatin1Char('\n')));
        const int code = FtpReply::code(bare);
        FUZZ_CHECK(code >= 0);
        FtpReply::continues(bare);
        FtpReply::failed(code, 400);
        FUZZ_CHECK(FtpReply::size(bare) >= 0);
        FUZZ_CHECK(FtpReply::folder(bare).size() <= bare.size());
    }
    return 0;
}
