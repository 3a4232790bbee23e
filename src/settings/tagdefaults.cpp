#include "settings/tagtable.h"

namespace {

struct DefaultRow
{
    const char *open;
    const char *close;
    int back;
};

// Entries 0 to 89 by tag number; the usual attributes stand with empty
// values and the caret steps back into the first of them.
const DefaultRow Defaults[StoredTagTemplates] = {
    /* 0 */ {"<BODY bgcolor=\"#\" text=\"#\" link=\"#\" alink=\"#\" vlink=\"#\">", "</BODY>", 51},
    /* 1 */ {"<FRAMESET cols=\"\" rows=\"\" border=\"\" frameborder=\"\">", "</FRAMESET>", 50},
    /* 2 */ {"<FRAME src=\"\" noresize scrolling=\"\" marginheight=\"\" marginwidth=\"\" name=\"\">", "", 65},
    /* 3 */ {"<NOFRAMES>", "</NOFRAMES>", 13},
    /* 4 */ {"<TABLE height=\"\" width=\"\" border=\"\">", "</TABLE>", 33},
    /* 5 */ {"<TR>", "</TR>", 7},
    /* 6 */ {"<TD align=\"\" valign=\"\" height=\"\" width=\"\">", "</TD>", 40},
    /* 7 */ {"<TH align=\"\" valign=\"\" height=\"\" width=\"\">", "</TH>", 40},
    /* 8 */ {"<TFOOT align=\"\" valign=\"\">", "</TFOOT>", 24},
    /* 9 */ {"<CAPTION>", "</CAPTION>", 12},
    /* 10 */ {"<IMG src=\"\" height=\"\" width=\"\" border=\"\" alt=\"\">", "", 38},
    /* 11 */ {"<A href=\"\" target=\"\">", "</A>", 16},
    /* 12 */ {"<A name=\"\">&nbsp;</A>", "", 14},
    /* 13 */ {"<EMBED src=\"\" autostart=\"\" hidden=\"\" loop=\"\" height=\"\" width=\"\">", "", 54},
    /* 14 */ {"<NOEMBED>", "</NOEMBED>", 12},
    /* 15 */ {"<SCRIPT>", "</SCRIPT>", 16},
    /* 16 */ {"<NOSCRIPT>", "</NOSCRIPT>", 13},
    /* 17 */ {"<!--", "-->", 5},
    /* 18 */ {"<APPLET code=\"\" height=\"\" width=\"\">", "</APPLET>", 34},
    /* 19 */ {"<PARAM name=\"\" value=\"\">", "", 13},
    /* 20 */ {"<OBJECT align=\"\" codebase=\"\">", "</OBJECT>", 27},
    /* 21 */ {"<META name=\"DESCRIPTION\" content=\"\">", "", 4},
    /* 22 */ {"<META name=\"KEYWORDS\" content=\"\">", "", 4},
    /* 23 */ {"<META name=\"AUTHOR\" content=\"\">", "", 4},
    /* 24 */ {"<META name=\"COPYRIGHT\" content=\"\">", "", 4},
    /* 25 */ {"<META name=\"LANGUAGE\" content=\"\">", "", 4},
    /* 26 */ {"<META http-equiv=\"REFRESH\" content=\"; url=\">", "", 10},
    /* 27 */ {"<BASE target=\"\">", "", 4},
    /* 28 */ {"<BASEFONT size=\"\">", "", 4},
    /* 29 */ {"<B>", "</B>", 4},
    /* 30 */ {"<BLOCKQUOTE>", "</BLOCKQUOTE>", 15},
    /* 31 */ {"<BIG>", "</BIG>", 6},
    /* 32 */ {"<BR>", "", 0},
    /* 33 */ {"<CENTER>", "</CENTER>", 11},
    /* 34 */ {"<CITE>", "</CITE>", 9},
    /* 35 */ {"<CODE>", "</CODE>", 9},
    /* 36 */ {"<DIR>", "</DIR>", 8},
    /* 37 */ {"<EM>", "</EM>", 5},
    /* 38 */ {"<FONT color=\"\" size=\"\" face=\"\">", "</FONT>", 25},
    /* 39 */ {"<H1>", "</H1>", 7},
    /* 40 */ {"<H2>", "</H2>", 7},
    /* 41 */ {"<H3>", "</H3>", 7},
    /* 42 */ {"<H4>", "</H4>", 7},
    /* 43 */ {"<H5>", "</H5>", 7},
    /* 44 */ {"<H6>", "</H6>", 7},
    /* 45 */ {"<HR width=\"\">", "", 4},
    /* 46 */ {"<I>", "</I>", 4},
    /* 47 */ {"<MENU>", "</MENU>", 9},
    /* 48 */ {"<MULTICOL cols=\"\" gutter=\"\" width=\"\">", "</MULTICOL>", 36},
    /* 49 */ {"<NOBR>", "</NOBR>", 9},
    /* 50 */ {"<P align=\"\">", "</P>", 10},
    /* 51 */ {"<PRE>", "</PRE>", 8},
    /* 52 */ {"<S>", "</S>", 4},
    /* 53 */ {"<SAMP>", "</SAMP>", 7},
    /* 54 */ {"<SMALL>", "</SMALL>", 8},
    /* 55 */ {"<STRONG>", "</STRONG>", 9},
    /* 56 */ {"<SUB>", "</SUB>", 6},
    /* 57 */ {"<SUP>", "</SUP>", 6},
    /* 58 */ {"<TT>", "</TT>", 5},
    /* 59 */ {"<WBR>", "", 0},
    /* 60 */ {"<XMP>", "</XMP>", 6},
    /* 61 */ {"<OL>", "</OL>", 7},
    /* 62 */ {"<UL>", "</UL>", 7},
    /* 63 */ {"<LI>", "</LI>", 7},
    /* 64 */ {"<DL>", "</DL>", 7},
    /* 65 */ {"<DT>", "</DT>", 7},
    /* 66 */ {"<DD>", "</DD>", 7},
    /* 67 */ {"<FORM method=\"\" action=\"\" name=\"\">", "</FORM>", 31},
    /* 68 */ {"<INPUT type=\"text\" size=\"\" name=\"\" value=\"\">", "", 21},
    /* 69 */ {"<INPUT type=\"hidden\" name=\"\" value=\"\">", "", 13},
    /* 70 */ {"<INPUT type=\"submit\" name=\"\" value=\"\">", "", 13},
    /* 71 */ {"<INPUT type=\"reset\" name=\"\" value=\"\">", "", 13},
    /* 72 */ {"<INPUT type=\"radio\" name=\"\">", "", 4},
    /* 73 */ {"<INPUT type=\"checkbox\" name=\"\">", "", 4},
    /* 74 */ {"<INPUT type=\"image\" src=\"\" align=\"\">", "", 13},
    /* 75 */ {"<INPUT type=\"button\" name=\"\" value=\"\">", "", 13},
    /* 76 */ {"<TEXTAREA cols=\"\" rows=\"\">", "</TEXTAREA>", 25},
    /* 77 */ {"<SELECT name=\"\" size=\"\">", "</SELECT>", 23},
    /* 78 */ {"<OPTION name=\"\" value=\"\">", "", 13},
    /* 79 */ {"", "", 0},
    /* 80 */ {"<INPUT type=\"submit\" value=\"\" onClick=\"location.href=document...options["
              "document...selectedindex].value; return true\">",
              "", 92},
    /* 81 */ {"<LINK rel=\"StyleSheet\" type=\"text/css\" href=\"\">", "", 4},
    /* 82 */ {"<SPAN class=\"\">", "</SPAN>", 9},
    /* 83 */ {"<STYLE>", "</STYLE>", 15},
    /* 84 */ {" style=\"\"", "", 1},
    /* 85 */ {"<U>", "</U>", 4},
    /* 86 */ {"", "", 0},
    /* 87 */ {"", "", 0},
    /* 88 */ {"", "", 0},
    /* 89 */ {"", "", 0},
};

} // namespace

TagTemplate builtInTagTemplate(int entry)
{
    if (entry < 0 || entry >= StoredTagTemplates)
        return TagTemplate();
    const DefaultRow &row = Defaults[entry];
    return {QString::fromUtf8(row.open), QString::fromUtf8(row.close), row.back};
}
