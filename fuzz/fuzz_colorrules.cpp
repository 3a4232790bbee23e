// The three rule-list compilers, the colour parser and the matchers: any
// list and any text give stretches inside the text.
#include "colormemo/colorrule.h"
#include "colormemo/colorvalue.h"
#include "colormemo/keydescr.h"
#include "colormemo/scantext.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // First byte: rule kind and switches; then the list, a NUL, then the text.
    const uint8_t flags = data[0];
    const QByteArray rest = fuzzBytes(data + 1, size - 1);
    const qsizetype split = rest.indexOf('\0');
    const QString list = QString::fromUtf8(split < 0 ? rest : rest.left(split));
    const QString text = split < 0 ? QString() : QString::fromUtf8(rest.mid(split + 1));
    const QStringList entries = list.split(QLatin1Char('\n'));

    for (const QString &entry : entries)
        parseColor(entry);

    TColorRule rule;
    rule.setKeyCase(flags & 0x04);
    rule.setPartWord(flags & 0x08);
    switch (flags & 0x03) {
    case 0:
        rule.setKeyDrawingType(dtKeyShow);
        rule.setKeywords(entries);
        break;
    case 1:
        rule.setKeyDrawingType(dtBeginEnd);
        rule.setKeyBegEndLst(entries);
        break;
    default:
        rule.setKeyDrawingType(dtBeginLineEnd);
        rule.setKeyLineEndLst(entries);
        break;
    }
    if (!rule.Prepare())
        return 0;
    const int start = int(flags >> 4);
    ScanText scan;
    scan.setText(text, start);
    TKeyDescrList keys;
    const int written = rule.FindKeys(0, scan, keys);
    FUZZ_CHECK(written >= 0 && written <= keys.count());
    for (int i = 0; i < written; ++i) {
        const TKeyDescr &key = keys.at(i);
        if (!key.isValid())
            continue;
        FUZZ_CHECK(key.StartPos >= start);
        FUZZ_CHECK(key.StartPos < start + text.size() + 1);
    }
    return 0;
}
