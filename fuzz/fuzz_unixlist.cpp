// The Unix listing parser on arbitrary listing lines: every entry it keeps
// has all four parts, and names stay within their line.
#include "ftp/ftpreply.h"
#include "ftp/ftpunixlist.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TFTPUnixList list;
    const QStringList lines = fuzzText(data, size).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const qsizetype before = list.names().size();
        list.ParseLine(line);
        if (list.names().size() > before)
            FUZZ_CHECK(list.names().last().size() <= line.size());
        FtpReply::size(line);
    }
    FUZZ_CHECK(list.names().size() == list.attributes().size());
    FUZZ_CHECK(list.names().size() == list.dates().size());
    FUZZ_CHECK(list.names().size() == list.sizes().size());
    return 0;
}
