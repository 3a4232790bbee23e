// Document decoding: encoding detection, line splitting and the round trip
// back to the same bytes.
#include "fuzzinput.h"
#include "platform/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    TextEncoding encoding;
    const QString text = TextFile::decode(bytes, &encoding);
    QByteArray again;
    // Whatever was read must be written back byte for byte.
    FUZZ_CHECK(TextFile::encode(text, encoding, &again));
    FUZZ_CHECK(again == bytes);

    const QStringList lines = TextFile::splitLines(text);
    qsizetype kept = 0;
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
        kept += line.size();
    }
    FUZZ_CHECK(kept <= text.size());
    return 0;
}
