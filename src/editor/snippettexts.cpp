#include "editor/snippettexts.h"

#include "settings/integertext.h"

#include <QStringList>

#include <functional>

namespace SnippetTexts {

const char *const ProductPage = "https://markvale.example.com/download.htm";
const char *const BannerImage = "https://markvale.example.com/images/markvale-banner.gif";
const char *const BannerFile = "markvale-banner.gif";

namespace {

const QLatin1String CRLF("\r\n");

QString linesWithBreaks(std::initializer_list<const char *> lines)
{
    QString text;
    for (const char *line : lines)
        text += QLatin1String(line) + CRLF;
    return text;
}

} // namespace

QString detectMemoText()
{
    return linesWithBreaks({
        "<script>",
        "<!--",
        "var locNS4='';      //fill in the URL/filename for Netscape version 4.0 or higher",
        "var locIE4= '';      //fill in the URL/filename for Internet Explorer 4.0 or higher",
        "var locNS3='';     //fill in the URL/filename for Netscape version lower than 4.0",
        "var locIE3='';      //fill in the URL/filename for Internet explorer version lower than 3.0",
        "var other='';        //fill in the URL/filename for other browsers",
        "var version=parseInt(navigator.appVersion);",
        "var brand=navigator.appName;",
        " if ( brand == \"Netscape\" && version >= 4 ) location.href = locNS4;",
        " if ( brand == \"Microsoft Internet Explorer\" && version >=4 ) location.href = locIE4;",
        " if ( brand == \"Netscape\" && version < 4 ) location.href = locNS3;",
        " if ( brand == \"Microsoft Internet Explorer\" && version <4 ) location.href = locIE3;",
        " if ( brand != \"Microsoft Internet Explorer\" && brand != \"Netscape\") location = other;",
        "//-->",
        "</script>",
    });
}

QString sizeMemoText()
{
    return linesWithBreaks({
        "<script>",
        "<!--",
        "loc640 = ''; //fill in the URL for 640 or less screenwidth",
        "loc800 = ''; //fill in the URL for 800 screenwidth",
        "loc1024 = ''; //fill in the URL for 1024 or higher screenwidth",
        "if (screen.width <= 700) location.href= loc640;",
        "if (screen.width >= 701 && screen.width <= 900) location.href = loc800;",
        "if (screen.width >= 901) location.href= loc1024;",
        "//-->",
        "</script>",
    });
}

const std::vector<Snippet> &javascriptSnippets()
{
    static const std::vector<Snippet> snippets = {
        {"LinkStatusbar1", "&Link/Statusbar", "Ctrl+Shift+1",
         QStringLiteral("onMouseOver=\"window.status=''; return true\" "
                        "onMouseOut=\"window.status=''; return true\""),
         58},
        {"ClickFrameload1", "&Click/Frameload", "Ctrl+Shift+2",
         QStringLiteral("parent.frames[].location='';"), 14},
        {"Framebreakout1", "&Frame breakout", "Ctrl+Shift+3",
         QStringLiteral("if (window != top.window) top.location = location;"), 0},
        {"Imageflip1", "&Image flip", "Ctrl+Shift+4",
         QStringLiteral("onMouseOver=\"document..src=''; return true\" "
                        "onMouseOut=\"document..src=''; return true\""),
         64},
        {"Javasriptnoerror1", "&Javasript noerror", "Ctrl+Shift+5",
         QStringLiteral("function noerror() {\r\nreturn true;\r\n}\r\nwindow.onerror=noerror;"), 0},
        {"Browserdetect1", "&Browser detect", "Ctrl+Shift+6", detectMemoText(), 891},
        {"Sizedetect1", "&Size detect", "Ctrl+Shift+7", sizeMemoText(), 0},
    };
    return snippets;
}

QString linkBlock()
{
    QString line = QStringLiteral(
        "<a style=\"text-decoration: none\" href=\"%PAGE%\" target=\"_top\" "
        "onMouseOver=\"window.status='The home of Markvale'; return true\" "
        "onMouseOut=\"window.status=''; return true\"><img src=\"%IMAGE%\" border=\"0\" "
        "height=\"68\" width=\"460\" alt=\"%FILE%\"><br>The home of Markvale</a>");
    line.replace(QLatin1String("%PAGE%"), QLatin1String(ProductPage));
    line.replace(QLatin1String("%IMAGE%"), QLatin1String(BannerImage));
    line.replace(QLatin1String("%FILE%"), QLatin1String(BannerFile));
    return QLatin1String("<center>") + CRLF + line + CRLF + QLatin1String("</center>");
}

QString layerScript(int count, const LayerGeometry &g)
{
    QString s;
    s.reserve(800 + qMax(0, count) * 560);
    auto line = [&s](const QString &text) { s += text + CRLF; };
    auto each = [count](const std::function<void(const QString &)> &body) {
        for (int i = 1; i <= count; ++i)
            body(QString::number(i));
    };

    line(QStringLiteral("<script>"));
    line(QStringLiteral("<!--"));
    line(QStringLiteral("if (navigator.appName == \"Netscape\") {"));
    each([&](const QString &i) {
        line(QStringLiteral("   document.write('<LAYER NAME=\"layer") + i
             + QStringLiteral("\" VISIBILITY=\"hide\" WIDTH=\"") + g.width
             + QStringLiteral("\" HEIGHT=\"") + g.height + QStringLiteral("\" TOP=\"") + g.top
             + QStringLiteral("\" LEFT=\"") + g.left + QStringLiteral("\"></LAYER>');"));
    });
    line(QStringLiteral("   }"));
    line(QStringLiteral("function showlayer(nr) {"));
    line(QStringLiteral("if (navigator.appName == \"Netscape\" ) {"));
    each([&](const QString &i) {
        line(QStringLiteral("   if (nr == 'layer") + i + QStringLiteral("') document.layer") + i
             + QStringLiteral(".visibility= 'show';"));
    });
    line(QStringLiteral("   }"));
    line(QStringLiteral("if (navigator.appName == \"Microsoft Internet Explorer\") {"));
    each([&](const QString &i) {
        line(QStringLiteral("   if (nr == 'layer") + i
             + QStringLiteral("') document.body.insertAdjacentHTML('BeforeEnd', "
                              "'<DIV STYLE=\"position:absolute; TOP:")
             + g.top + QStringLiteral("px; LEFT:") + g.left + QStringLiteral("px;height:") + g.height
             + QStringLiteral(";width:") + g.width + QStringLiteral("\" ID=\"layer") + i
             + QStringLiteral("\"></DIV>');"));
    });
    line(QStringLiteral("   }"));
    line(QStringLiteral("}"));
    line(QStringLiteral("function hidelayer(nr) {"));
    line(QStringLiteral("if (navigator.appName == \"Netscape\") {"));
    each([&](const QString &i) {
        line(QStringLiteral("   if (nr == 'layer") + i + QStringLiteral("') document.layer") + i
             + QStringLiteral(".visibility= 'hide';"));
    });
    line(QStringLiteral("   }"));
    line(QStringLiteral("if (navigator.appName == \"Microsoft Internet Explorer\") {"));
    each([&](const QString &i) {
        line(QStringLiteral("   if (nr == 'layer") + i + QStringLiteral("') {"));
        line(QStringLiteral("      layer") + i + QStringLiteral(".innerHTML = '';"));
        line(QStringLiteral("      layer") + i + QStringLiteral(".outerHTML = '';"));
        line(QStringLiteral("      }"));
    });
    line(QStringLiteral("   }"));
    line(QStringLiteral("}"));
    line(QStringLiteral("//-->"));
    line(QStringLiteral("</script>"));
    return s;
}

bool geometryAcceptable(const LayerGeometry &g)
{
    qint64 sum = 0;
    for (const QString *text : {&g.height, &g.width, &g.top, &g.left}) {
        const std::optional<int> value = parseInteger(*text);
        if (!value)
            return false;
        sum += *value;
    }
    return sum <= 4999;
}

} // namespace SnippetTexts
