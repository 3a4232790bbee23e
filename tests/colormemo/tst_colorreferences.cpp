#include "colormemo/colorpass.h"
#include "colormemo/htmlrules.h"
#include "colormemo/textbuffer.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <vector>

namespace {

QString dataDir()
{
    const QString dir = qEnvironmentVariable("MARKVALE_TEST_DATA");
    return dir.isEmpty() ? QFINDTESTDATA("data") : dir;
}

bool regenerating()
{
    return qEnvironmentVariableIsSet("MARKVALE_REGENERATE_REFERENCES");
}

// The covered text, readable on one line.
QString quoted(QStringView text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 32)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

// One line per run: start, end (inclusive), colour, ZOrder and the text, for
// the whole input coloured by the editor's rules.
QStringList runsOf(const QString &input)
{
    const TextBuffer buffer(input);
    ColorPass pass;
    addEditorRules(pass.rules());
    PassInput in;
    in.text = buffer.text();
    in.wantTabs = true;
    QStringList lines;
    for (const TKeyDescr &run : pass.run(in)) {
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(run.StartPos)
                     .arg(run.EndPos)
                     .arg(colorName(run.Color))
                     .arg(run.ZOrder)
                     .arg(quoted(QStringView(buffer.text()).mid(run.StartPos, run.EndPos - run.StartPos + 1)));
    }
    return lines;
}

// A line diff ("-" expected only, "+" actual only) from the longest common
// subsequence, with two lines of context around each change.
QString lineDiff(const QStringList &expected, const QStringList &actual)
{
    const qsizetype n = expected.size();
    const qsizetype m = actual.size();
    std::vector<std::vector<int>> common(size_t(n + 1), std::vector<int>(size_t(m + 1), 0));
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j) {
            common[size_t(i)][size_t(j)] = expected[i] == actual[j]
                ? common[size_t(i + 1)][size_t(j + 1)] + 1
                : qMax(common[size_t(i + 1)][size_t(j)], common[size_t(i)][size_t(j + 1)]);
        }
    }
    QStringList lines;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            lines << QStringLiteral("  ") + expected[i];
            ++i;
            ++j;
        } else if (i < n && (j == m || common[size_t(i + 1)][size_t(j)] >= common[size_t(i)][size_t(j + 1)])) {
            lines << QStringLiteral("- ") + expected[i++];
        } else {
            lines << QStringLiteral("+ ") + actual[j++];
        }
    }
    QStringList shown;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        bool nearChange = false;
        for (qsizetype d = qMax<qsizetype>(0, k - 2); d <= qMin(lines.size() - 1, k + 2); ++d)
            nearChange = nearChange || !lines[d].startsWith(QLatin1Char(' '));
        if (nearChange)
            shown << lines[k];
        else if (shown.isEmpty() || shown.last() != QLatin1String("  ..."))
            shown << QStringLiteral("  ...");
    }
    return shown.join(QLatin1Char('\n'));
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestColorReferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void references_data()
    {
        QTest::addColumn<QString>("input");
        const QStringList inputs = QDir(dataDir()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
        if (inputs.isEmpty())
            QTest::newRow("no inputs") << QDir(dataDir()).filePath(QStringLiteral("*.html"));
        for (const QString &name : inputs)
            QTest::newRow(qPrintable(name)) << QDir(dataDir()).filePath(name);
    }
    void references()
    {
        QFETCH(QString, input);
        QFile file(input);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(input));
        const QStringList actual = runsOf(QString::fromUtf8(file.readAll()));
        const QString referencePath = input + QStringLiteral(".ref");

        if (regenerating()) {
            QFile out(referencePath);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write((actual.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
            return;
        }
        const QStringList expected = readLines(referencePath);
        if (expected != actual) {
            QFAIL(qPrintable(QStringLiteral("runs differ from %1 (- expected, + actual):\n%2")
                                 .arg(referencePath, lineDiff(expected, actual))));
        }
    }
};

QTEST_GUILESS_MAIN(TestColorReferences)
#include "tst_colorreferences.moc"
