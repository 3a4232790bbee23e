// The CR LF position mapping of the text control: random documents and
// offsets convert to document positions and back.
#include "colormemo/colormemo.h"
#include "fuzzinput.h"

#include <QApplication>

namespace {

QApplication *application()
{
    static int argc = 1;
    static char name[] = "fuzz_crlfmapping";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return &app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    application();
    if (size < 2)
        return 0;
    static TColorMemo memo;
    const QString text = fuzzText(data + 2, size - 2);
    memo.SetText(text);
    const QString stored = memo.Text();
    FUZZ_CHECK(memo.TextLength() == stored.size());

    const int offset = int((data[0] << 8 | data[1]) % (stored.size() + 1));
    const int position = memo.toDocumentPosition(offset);
    const int back = memo.fromDocumentPosition(position);
    const bool betweenCrAndLf = offset > 0 && stored.at(offset - 1) == QLatin1Char('\r');
    FUZZ_CHECK(back == (betweenCrAndLf ? offset - 1 : offset));

    memo.SetSelStart(offset);
    FUZZ_CHECK(memo.SelStart() == back);
    FUZZ_CHECK(memo.CaretLine() >= 0 && memo.CaretLine() < memo.LineCount());
    FUZZ_CHECK(memo.LineStart(memo.CaretLine()) + memo.CaretColumn() == back);
    return 0;
}
