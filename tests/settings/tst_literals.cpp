#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// Calls that put a text before the user: the prompts layer, what sets the text
// of a window, control, menu item, list or status panel, and a text in three
// languages picked where it stands instead of a table row.
const QRegularExpression TextCall(QStringLiteral(
    "(?:\\b(?:setText|setWindowTitle|setTitle|addAction|setToolTip|setStatusTip|setPlaceholderText|setTabText"
    "|setItemText|addItems?|insertItem|setHeaderLabels|showMessage|setStatusText|showText|addTab|setLongestTexts"
    "|pick)"
    "|Prompts::\\w+)\\s*\\(|\\.(?:title|filter|text|choices)\\s*=(?!=)"));

// A string literal; one that holds a letter is wording.
const QRegularExpression Literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
const QRegularExpression Letter(QStringLiteral("[A-Za-z]"));
const QRegularExpression Escape(QStringLiteral("\\\\(?:u[0-9A-Fa-f]{4}|.)"));

// Literals in such calls that are no wording.
const QStringList Allowed = {
    QStringLiteral("&%1 %2"),       // a numbered menu entry: number and file or window name
    QStringLiteral("X: %1   Y: %2"), // coordinates on a picture
    QStringLiteral("Colorcoding1"), // an action's object name
};

// The arguments of the call starting at `from`: up to its closing bracket, or
// up to the end of the statement for an assignment.
QString argumentsAt(const QString &source, qsizetype from, bool call)
{
    int depth = call ? 1 : 0;
    bool inString = false;
    for (qsizetype i = from; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (inString) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == QLatin1Char('"'))
                inString = false;
        } else if (c == QLatin1Char('"')) {
            inString = true;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')') && --depth == 0 && call) {
            return source.mid(from, i - from);
        } else if (c == QLatin1Char(';') && !call) {
            return source.mid(from, i - from);
        }
    }
    return source.mid(from);
}

} // namespace

// Every text a user reads comes from the caption and message tables in the
// three languages; a literal handed to a window or box would stay English.
class TestLiterals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noWordingOutsideTheTables()
    {
        QStringList found;
        int files = 0;
        QDirIterator it(QStringLiteral(MARKVALE_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++files;
            const QString source = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch &call : TextCall.globalMatch(source)) {
                const bool isCall = call.captured().endsWith(QLatin1Char('('));
                const QString arguments = argumentsAt(source, call.capturedEnd(), isCall);
                for (const QRegularExpressionMatch &literal : Literal.globalMatch(arguments)) {
                    const QString text = literal.captured(1);
                    if (!QString(text).remove(Escape).contains(Letter) || Allowed.contains(text))
                        continue;
                    const int line = int(source.left(call.capturedStart()).count(QLatin1Char('\n'))) + 1;
                    found << QStringLiteral("%1:%2: %3").arg(path.mid(path.indexOf(QLatin1String("/src/")) + 1))
                                 .arg(line)
                                 .arg(literal.captured());
                }
            }
        }
        QVERIFY(files > 100);
        for (const QString &place : std::as_const(found))
            qWarning("%s", qPrintable(place));
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 literals").arg(found.size())));
    }
};

QTEST_GUILESS_MAIN(TestLiterals)
#include "tst_literals.moc"
