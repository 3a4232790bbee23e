#include "editor/attributemenus.h"
#include "editor/tagrows.h"
#include "editor/tagtext.h"
#include "platform/configstore.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "settings/tagtable.h"
#include "testconfig.h"

#include <QSet>
#include <QTest>

// The widget-free parts of tag insertion: text builders, the caret rules and
// the attribute data, checked against what the user must end up with.
class TestTagText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standardInsertsFiveMetaLines()
    {
        const TagInsertion insertion = standardInsertion(TagTable());
        QCOMPARE(insertion.text.size(), 175);
        QCOMPARE(insertion.text.count(QLatin1String("\r\n")), 4);
        QVERIFY(insertion.text.startsWith(QLatin1String("<META name=\"DESCRIPTION\" content=\"\">\r\n")));
        QVERIFY(insertion.text.endsWith(QLatin1String("<META name=\"LANGUAGE\" content=\"\">")));
        QCOMPARE(insertion.caret, 34);
    }

    void storedBackValuesMayReachBeforeTheInsertion()
    {
        // The builder reports it; the command clamps it to the document.
        const TagTemplate odd{QStringLiteral("<B>"), QStringLiteral("</B>"), 100};
        const std::optional<TagInsertion> insertion = tableModeInsertion(29, odd, QString());
        QVERIFY(insertion);
        QCOMPARE(insertion->caret, 7 - 100);
    }

    void singleElementsRefuseASelection()
    {
        QVERIFY(!tableModeInsertion(32, TagTable()[32], QStringLiteral("word")));
        QVERIFY(tableModeInsertion(32, TagTable()[32], QString()));
    }

    void nextEmptyValue_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column"); // -1: the caret stays
        QTest::newRow("empty value first") << "<IMG src=\"\" height=\"\">" << 10;
        QTest::newRow("colour value first") << "<BODY bgcolor=\"#\" text=\"\">" << 16;
        QTest::newRow("empty value before colour") << "<A x=\"\" c=\"#\">" << 6;
        QTest::newRow("no empty value") << "<P align=\"left\">" << -1;
        QTest::newRow("empty line") << "" << -1;
        QTest::newRow("quotes at the start") << "\"\"" << 1;
    }
    void nextEmptyValue()
    {
        QFETCH(QString, line);
        QFETCH(int, column);
        const std::optional<int> found = nextEmptyValueColumn(line);
        QCOMPARE(found.value_or(-1), column);
    }

    void attributesCountOnlyOnce()
    {
        TagState state;
        state.StopPosition = 42;
        const AttributeItem *checked = attributeItem(QStringLiteral("Checked1"));
        const AttributeItem *name = attributeItem(QStringLiteral("Name1"));
        const AttributeItem *value = attributeItem(QStringLiteral("Value1"));
        QVERIFY(checked && name && value);
        addAttribute(state, *checked, 19);
        QCOMPARE(state.AttributeCount, 0);
        QCOMPARE(state.StopPosition, 42);
        addAttribute(state, *name, 27);
        QCOMPARE(state.AttributeCount, 1);
        QCOMPARE(state.StopPosition, 34);
        addAttribute(state, *value, 35);
        QCOMPARE(state.AttributeCount, 2);
        QCOMPARE(state.StopPosition, 34);
    }

    // Every counted attribute's stop lands in its first value: right after
    // the opening quote, or after "#" for colours.
    void everyStopOffsetPointsIntoAValue()
    {
        QSet<QString> seen;
        for (const AttributeMenu &menu : attributeMenus()) {
            for (const QString &name : menu.itemNames()) {
                if (name == QLatin1String(ColumnBreak) || seen.contains(name))
                    continue;
                seen.insert(name);
                const AttributeItem *item = attributeItem(name);
                QVERIFY2(item, qPrintable(name));
                const QString text = QString::fromUtf8(item->text);
                QVERIFY2(text.startsWith(QLatin1Char(' ')), item->name);
                if (item->stopOffset == NotCounted) {
                    QVERIFY2(!text.contains(QLatin1Char('=')), item->name);
                    continue;
                }
                if (name == QLatin1String("Center2")) // the content after ">" CR LF
                    QCOMPARE(item->stopOffset, int(text.size()) + 3);
                else
                    QVERIFY2(text.mid(item->stopOffset - 2, 2) == QLatin1String("=\"")
                                 || text.mid(item->stopOffset - 3, 3) == QLatin1String("=\"#"),
                             item->name);
            }
        }
        QCOMPARE(seen.size(), 69);
        QCOMPARE(attributeMenus().size(), 37);
    }

    void colorCodes_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<QString>("code");
        QTest::newRow("pure red") << 255 << 0 << 0 << "FF0000";
        QTest::newRow("small values keep two digits") << 1 << 10 << 171 << "010AAB";
        QTest::newRow("black") << 0 << 0 << 0 << "000000";
    }
    void colorCodes()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QString, code);
        QCOMPARE(colorCode(red, green, blue), code);
    }

    void templatesPersistThroughTheStore()
    {
        const TagTemplates kept = TagTable();
        TestConfig config;
        settings().TagsInstalled = false;
        ReadOrInstallTagTemplates({});
        ConfigKey key;
        QVERIFY(key.open(QLatin1String(TagsKeyPath), ConfigKey::Mode::OpenExisting));
        QCOMPARE(key.readString(QStringLiteral("OPEN0")), kept[0].open);
        QCOMPARE(key.readString(QStringLiteral("CLOSE15")), QStringLiteral("</SCRIPT>"));
        QCOMPARE(key.readInteger(QStringLiteral("BACK80")), 92);
        QVERIFY(key.valueExists(QStringLiteral("OPEN89")));
        QVERIFY(!key.valueExists(QStringLiteral("OPEN90")));

        // A later start reads what the user changed; an empty opening text keeps the entry.
        key.writeString(QStringLiteral("OPEN29"), QStringLiteral("<b>"));
        key.writeString(QStringLiteral("CLOSE29"), QStringLiteral("</b>"));
        key.writeString(QStringLiteral("OPEN30"), QString());
        key.close();
        settings().TagsInstalled = true;
        ReadOrInstallTagTemplates({});
        QCOMPARE(TagTable()[29].open, QStringLiteral("<b>"));
        QCOMPARE(TagTable()[29].back, 4);
        QCOMPARE(TagTable()[30], kept[30]);
        TagTable() = kept;
    }

    void tagNumbersWithoutAnAttributeRow()
    {
        QVERIFY(!attributeModeRow(79));
        QVERIFY(!attributeModeRow(PictureTag));
        QVERIFY(attributeModeRow(85));
        QCOMPARE(tagItems().size(), 86); // 85 tags and Standard
    }
};

QTEST_GUILESS_MAIN(TestTagText)
#include "tst_tagtext.moc"
