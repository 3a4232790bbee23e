#include "colormemo/htmlrules.h"

#include "colormemo/drawrules.h"

namespace {

QStringList tagKeywords()
{
    return {
        "<!doctype", "<a", "<multicol", "</multicol>", ">", "</a>", "<applet", "</applet>", "<area",
        "<b", "</b>", "<base", "<basefont", "<big", "</big>", "<blockquote", "</blockquote>",
        "<body", "</body>", "<br", "<caption", "</caption>", "<center", "</center>", "<cite",
        "</cite>", "<code", "</code>", "<dd", "</dd>", "<dir", "</dir>", "<div", "</div", "<dl",
        "</dl>", "<dt", "</dt>", "<em", "</em>", "<embed", "<font", "</font>", "<form", "</form>",
        "<frame", "<frameset", "</frameset>", "<h1", "<h2", "<h3", "<h4", "<h5", "<h6", "</h1>",
        "</h2>", "</h3>", "</h4>", "</h5>", "</h6>", "<head", "</head>", "<hr", "<html", "</html>",
        "<i", "</i>", "<img", "<input", "<li", "</li>", "<link", "<listing", "</listing>", "<map",
        "</map>", "<menu", "</menu", "<meta", "<nobr", "</nobr>", "<noembed", "</noembed>",
        "<noframes", "</noframes>", "<noscript", "</noscript>", "<object", "</object>", "<ol",
        "</ol>", "<option", "<p", "</p>", "<param", "<plaintext", "</plaintext>", "<pre", "</pre>",
        "<s", "</s>", "<samp", "</samp>", "<select", "</select>", "<small", "</small>", "<span",
        "</span>", "<strike", "</strike>", "<strong", "</strong>", "<sub", "</sub>", "<sup",
        "</sup>", "<table", "</table>", "<td", "</td>", "<textarea", "</textarea>", "<tfoot",
        "</tfoot>", "<th", "</th>", "<thead", "</thead>", "<title", "</title>", "<tr", "</tr>",
        "<tt", "</tt>", "<u", "</u>", "<ul", "</ul>", "<var", "</var>", "<wbr", "<xmp", "</xmp>",
    };
}

QStringList attributeKeywords()
{
    return {
        "html", "public", "classid=", "gutter=", "accesskey=", "charset=", "class=", "center",
        "dir=", "href=", "id=", "lang=", "language=", "methods=", "name=", "rel=", "rev=", "shape=",
        "style=", "content=", "http-equiv=", "start=", "multiple", "tabindex", "cellpadding=",
        "cellspacing=", "rowspan=", "colspan=", "target=", "title=", "urn=", "align=", "clear",
        "alt=", "code=", "codebase=", "disabled", "download", "height=", "hspace=", "param=",
        "src=", "vspace=", "width=", "coords=", "nohref", "notab", "tabindex", "color=", "face=",
        "size=", "loop=", "alink=", "vlink=", "link=", "background=", "bgcolor=", "bgproperties=",
        "leftmargin=", "topmargin=", "text=", "valign=", "compact", "position=", "top:", "left:",
        "height:", "width:", "action=", "method=", "enctype=", "frameborder=", "border=",
        "marginheight=", "marginwidth=", "noresize", "scrolling=", "cols=", "rows=",
        "framespacing=", "noshade", "controls=", "autostart=", "hidden=", "ismap", "usemap=",
        "type=", "value=", "maxlength=", "checked", "selected",
    };
}

QStringList scriptKeywords()
{
    return {
        "<style", "</style>", "<script", "</script>", "<!--", "'", "-->", "//", "{", "}", "[", "]",
        "(", ")", ";", "onafterupdate", "onbeforeupdate", "onblur", "onclick", "ondblclick",
        "onfocus", "onhelp", "onkeydown", "onkeypress", "onkeyup", "onmousedown", "onmousemove",
        "onmouseout", "onmouseover", "onmouseup", "onchange", "onselect", "onload",
        "onreadystatechange", "onunload", "onscroll", "onsubmit", "onreset", "onerror",
        "onrowenter", "onrowexit", "document.", "parent.", "window.", "location.", ".href=",
    };
}

void addKeywordRule(TDrawRules &rules, quint8 zOrder, bool partWord, TColor defKeyColor,
                    const QStringList &keywords)
{
    TColorRule &rule = rules.add();
    rule.setKeyDrawingType(dtKeyShow);
    rule.setZOrder(zOrder);
    rule.setPartWord(partWord);
    rule.setDefKeyColor(defKeyColor);
    rule.setKeywords(keywords);
}

} // namespace

void addEditorRules(TDrawRules &rules)
{
    // Where stretches of equal ZOrder overlap the later rule wins: the "=" of
    // rule 4 shows red at the end of the attribute names of rule 2.
    addKeywordRule(rules, 3, true, clGreen, tagKeywords());
    addKeywordRule(rules, 0, false, clMaroon, attributeKeywords());
    addKeywordRule(rules, 6, true, clBlue, scriptKeywords());
    addKeywordRule(rules, 0, true, clRed, {QStringLiteral("\""), QStringLiteral("#"), QStringLiteral("=")});
    addKeywordRule(rules, 0, true, clGreen, {QStringLiteral(">")});
}
