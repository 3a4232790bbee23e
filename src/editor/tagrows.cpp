#include "editor/tagrows.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool contains(std::initializer_list<int> set, int tag)
{
    return std::find(set.begin(), set.end(), tag) != set.end();
}

} // namespace

const QList<TagSubmenu> &tagSubmenus()
{
    static const QList<TagSubmenu> submenus = {
        {"Structure1", "&Structure", nullptr},
        {"Objects1", "&Objects", nullptr},
        {"Metatags2", "&Meta tags", nullptr},
        {"Textformatting1", "&Text formatting", nullptr},
        {"Lists2", "&Lists", nullptr},
        {"Forms2", "&Forms", nullptr},
        {"Input1", "&Input", "Forms2"},
        {"CSS1", "&CSS", nullptr},
    };
    return submenus;
}

const QList<TagItem> &tagItems()
{
    static const QList<TagItem> items = {
        {0, "Body1", "&Body", "F1", "Structure1"},
        {1, "Frameset1", "&Frameset", "F2", "Structure1"},
        {2, "Frame1", "&Frame", "F3", "Structure1"},
        {3, "Noframes1", "&Noframes", "F4", "Structure1"},
        {4, "Table1", "&Table", "F5", "Structure1"},
        {5, "TR1", "&TR", "F6", "Structure1"},
        {6, "TD1", "&TD", "F7", "Structure1"},
        {7, "TH1", "&TH", "Shift+Alt+F9", "Structure1"},
        {8, "TFoot1", "&TFoot", "Shift+Alt+F10", "Structure1"},
        {9, "Caption1", "&Caption", "Shift+Alt+F11", "Structure1"},
        {10, "Image1", "&Image", "F8", "Objects1"},
        {11, "Link1", "&Link", "F9", "Objects1"},
        {12, "Jumplink1", "&Jumptarget", "F10", "Objects1"},
        {13, "Embed1", "&Embed", "Shift+Alt+F7", "Objects1"},
        {14, "Noembed1", "&Noembed", "Shift+Alt+F8", "Objects1"},
        {15, "Script1", "&Script", "F11", "Objects1"},
        {16, "Noscript1", "&Noscript", "Ctrl+Shift+F5", "Objects1"},
        {17, "Comment1", "&Comment", "F12", "Objects1"},
        {18, "Applet1", "&Applet", "Ctrl+Shift+F1", "Objects1"},
        {19, "Param1", "   &Param", "Ctrl+Shift+F2", "Objects1"},
        {20, "Object1", "&Object", "Ctrl+Shift+F4", "Objects1"},
        {21, "Description1", "&Description", "Ctrl+Alt+F1", "Metatags2"},
        {22, "Keywords1", "&Keywords", "Ctrl+Alt+F2", "Metatags2"},
        {23, "Author1", "&Author", "Ctrl+Alt+F3", "Metatags2"},
        {24, "Copyright1", "&Copyright", "Ctrl+Alt+F4", "Metatags2"},
        {25, "Language1", "&Language", "Ctrl+Alt+F5", "Metatags2"},
        {26, "Refresh1", "&Refresh", "Ctrl+Alt+F6", "Metatags2"},
        {27, "Basetarget1", "&Base", "Ctrl+Alt+F7", "Metatags2"},
        {28, "Basefont1", "&Basefont", "Ctrl+Alt+F8", "Metatags2"},
        {StandardItem, "Standard1", "&Standard", "Ctrl+Shift+M", "Metatags2"},
        {29, "B1", "&B", "Ctrl+F1", "Textformatting1"},
        {30, "Blockquote1", "&Blockquote", "Ctrl+F2", "Textformatting1"},
        {31, "big1", "&Big", "Shift+F3", "Textformatting1"},
        {32, "Br1", "&Br", "Shift+F10", "Textformatting1"},
        {33, "Center1", "&Center", "Ctrl+F5", "Textformatting1"},
        {34, "Cite1", "&Cite", "Ctrl+Shift+Alt+F4", "Textformatting1"},
        {35, "Code1", "&Code", "Ctrl+Shift+Alt+F5", "Textformatting1"},
        {36, "Dir1", "&Dir", "Ctrl+Shift+Alt+F6", "Textformatting1"},
        {37, "Em1", "&Em", "Ctrl+Shift+Alt+F1", "Textformatting1"},
        {38, "Font1", "&Font", "Ctrl+F3", "Textformatting1"},
        {39, "H11", "&H1", "Ctrl+F7", "Textformatting1"},
        {40, "H21", "&H2", "Ctrl+F8", "Textformatting1"},
        {41, "H31", "&H3", "Ctrl+F9", "Textformatting1"},
        {42, "H41", "&H4", "Ctrl+F10", "Textformatting1"},
        {43, "H51", "&H5", "Ctrl+F11", "Textformatting1"},
        {44, "H61", "&H6", "Ctrl+F12", "Textformatting1"},
        {45, "Hr1", "&Hr", "Shift+F11", "Textformatting1"},
        {46, "I1", "&I", "Shift+F1", "Textformatting1", true},
        {47, "Menu1", "&Menu", "Ctrl+Shift+Alt+F7", "Textformatting1"},
        {48, "Multicol1", "&Multicol", "Shift+F12", "Textformatting1"},
        {49, "Nobr1", "&Nobr", "Ctrl+Shift+Alt+F8", "Textformatting1"},
        {50, "Paragraph1", "&Paragraph", "Shift+F9", "Textformatting1"},
        {51, "Pre1", "&Pre", "Ctrl+Shift+Alt+F9", "Textformatting1"},
        {52, "Strikethrough1", "&Strikethrough", "Shift+F8", "Textformatting1"},
        {53, "Samp1", "&Samp", "Ctrl+Shift+Alt+F10", "Textformatting1"},
        {54, "Small1", "&Small", "Shift+F4", "Textformatting1"},
        {55, "Strong1", "&Strong", "Shift+F5", "Textformatting1"},
        {56, "Sub1", "&Sub", "Shift+F6", "Textformatting1"},
        {57, "Sup1", "&Sup", "Shift+F7", "Textformatting1"},
        {58, "TT1", "&TT", "Ctrl+Shift+Alt+F3", "Textformatting1"},
        {59, "Wbr1", "&Wbr", "Ctrl+Shift+Alt+F11", "Textformatting1"},
        {60, "Xmp1", "&Xmp", "Shift+Alt+F12", "Textformatting1"},
        {85, "Underline1", "&Underline", "Shift+F2", "Textformatting1"},
        {61, "Numberedlist1", "&Numbered list", "Ctrl+Shift+F7", "Lists2"},
        {62, "Bulletedlist1", "&Bulleted list", "Ctrl+Shift+F8", "Lists2"},
        {63, "Listitem1", "&List item", "Ctrl+Shift+F9", "Lists2"},
        {64, "Definitionlist1", "&Definition list", "Ctrl+Shift+F10", "Lists2"},
        {65, "Definitionterm1", "&Definition term", "Ctrl+Shift+F11", "Lists2"},
        {66, "Definitionitem1", "&Definition item", "Ctrl+Shift+F12", "Lists2"},
        {67, "Form1", "&Form", "Alt+F1", "Forms2"},
        {68, "Text1", "&Text", "Alt+F7", "Input1"},
        {69, "Hidden1", "&Hidden", "Alt+F8", "Input1"},
        {70, "Submit1", "&Submit", "Alt+F9", "Input1"},
        {71, "Reset1", "&Reset", "Alt+F10", "Input1"},
        {72, "Radio1", "&Radio", "Alt+F11", "Input1"},
        {73, "Checkbox1", "&Checkbox", "Alt+F12", "Input1"},
        {74, "Image2", "&Image", "Shift+Alt+F1", "Input1"},
        {75, "Button1", "&Button", "Shift+Alt+F2", "Input1"},
        {76, "Textarea1", "&Textarea", "Alt+F2", "Forms2"},
        {77, "Select1", "&Select", "Alt+F3", "Forms2"},
        {78, "Option1", "&Option", "Alt+F4", "Forms2"},
        {80, "Dropdownmenu1", "&Drop-down menu", "Alt+F5", "Forms2"},
        {81, "Link2", "&Link", "Ctrl+Alt+F9", "CSS1"},
        {82, "Span1", "&Span", "Ctrl+Alt+F10", "CSS1"},
        {83, "Stylehead1", "&Style (head)", "Ctrl+Alt+F11", "CSS1"},
        {84, "Stylebody1", "&Style (body)", "Ctrl+Alt+F12", "CSS1"},
    };
    return items;
}

bool isSingleTag(int tag)
{
    return contains({2, 10, 12, 13, 19, 21, 22, 23, 24, 25, 26, 27, 28, 32, 45, 59, 68, 69, 70, 71, 72,
                     73, 74, 75, 78, 79, 80, 81, 84},
                    tag);
}

bool isInlineTag(int tag)
{
    return contains({10, 11, 29, 31, 32, 37, 38, 39, 40, 41, 42, 43, 44, 46, 52, 53, 54, 55, 56, 57, 58,
                     60, 63, 65, 66, 82, 84, 85},
                    tag);
}

bool hasLineAfter(int tag)
{
    return contains({39, 40, 41, 42, 43, 44, 63, 65, 66}, tag);
}

bool isCommentWrapped(int tag)
{
    return tag == 15 || tag == 83;
}

const AttributeModeRow *attributeModeRow(int tag)
{
    static const AttributeModeRow rows[] = {
        {0, "<BODY>\r\n%1\r\n</BODY>", 5, 8, 0, "bodypu"},
        {1, "<FRAMESET>\r\n%1\r\n</FRAMESET>", 9, 12, 0, "framesetpu"},
        {2, "<FRAME src=\"\">\r\n%1", 13, 12, 1, "framepu"},
        {3, "<NOFRAMES>\r\n%1\r\n</NOFRAMES>", 12, NoStop, 0, nullptr},
        {4, "<TABLE>\r\n%1\r\n</TABLE>", 6, 9, 0, "tablepu"},
        {5, "<TR>\r\n%1\r\n</TR>", 3, 6, 0, "trpu"},
        {6, "<TD>\r\n%1\r\n</TD>", 3, 6, 0, "tdpu"},
        {7, "<TH>\r\n%1\r\n</TH>", 3, 6, 0, "tdpu"},
        {8, "<TFOOT>\r\n%1\r\n</TFOOT>", 6, 9, 0, "tfootpu"},
        {9, "<CAPTION>\r\n%1\r\n</CAPTION>", 8, 11, 0, "captionpu"},
        {11, "<A href=\"\">%1</A>\r\n", 10, 9, 1, "apu"},
        {12, "<A name=\"\">&nbsp;</A>\r\n%1", 9, NoStop, 0, nullptr},
        {13, "<EMBED src=\"\">\r\n%1", 13, 12, 1, "embedpu"},
        {14, "<NOEMBED>\r\n%1\r\n</NOEMBED>", 11, NoStop, 0, nullptr},
        {15, "<SCRIPT>\r\n<!--\r\n%1\r\n-->\r\n</SCRIPT>", 7, 16, 0, "scriptpu"},
        {16, "<NOSCRIPT>\r\n%1\r\n</NOSCRIPT>", 12, NoStop, 0, nullptr},
        {17, "<!--\r\n%1\r\n-->", 6, NoStop, 0, nullptr},
        {18, "<APPLET code=\"\">\r\n%1\r\n</APPLET>", 15, 14, 1, "appletpu"},
        {19, "<PARAM name=\"\" value=\"\">\r\n%1", 13, NoStop, 0, nullptr},
        {20, "<OBJECT>\r\n%1\r\n</OBJECT>", 7, 10, 0, "objectpu"},
        {21, "<META name=\"DESCRIPTION\" content=\"\">\r\n%1", 34, NoStop, 0, nullptr},
        {22, "<META name=\"KEYWORDS\" content=\"\">\r\n%1", 31, NoStop, 0, nullptr},
        {23, "<META name=\"AUTHOR\" content=\"\">\r\n%1", 29, NoStop, 0, nullptr},
        {24, "<META name=\"COPYRIGHT\" content=\"\">\r\n%1", 32, NoStop, 0, nullptr},
        {25, "<META name=\"LANGUAGE\" content=\"\">\r\n%1", 31, NoStop, 0, nullptr},
        {26, "<META http-equiv=\"refresh\" content=\"; url=\">\r\n%1", 36, NoStop, 0, nullptr},
        {27, "<BASE>\r\n%1", 5, 8, 0, "basepu"},
        {28, "<BASEFONT>\r\n%1", 9, 12, 0, "basefpu"},
        {29, "<B>%1</B>", 3, NoStop, 0, nullptr},
        {30, "<BLOCKQUOTE>\r\n%1\r\n</BLOCKQUOTE>", 14, NoStop, 0, nullptr},
        {31, "<BIG>%1</BIG>", 5, NoStop, 0, nullptr},
        {32, "<BR>\r\n%1", 3, 6, 0, "brpu"},
        {33, "<CENTER>\r\n%1\r\n</CENTER>", 10, NoStop, 0, nullptr},
        {34, "<CITE>\r\n%1\r\n</CITE>", 8, NoStop, 0, nullptr},
        {35, "<CODE>\r\n%1\r\n</CODE>", 8, NoStop, 0, nullptr},
        {36, "<DIR>\r\n%1\r\n</DIR>", 7, NoStop, 0, nullptr},
        {37, "<EM>%1</EM>", 4, NoStop, 0, nullptr},
        {38, "<FONT>%1</FONT>", 5, 6, 0, "fontpu"},
        {39, "<H1>%1</H1>\r\n", 3, 4, 0, "hpu"},
        {40, "<H2>%1</H2>\r\n", 3, 4, 0, "hpu"},
        {41, "<H3>%1</H3>\r\n", 3, 4, 0, "hpu"},
        {42, "<H4>%1</H4>\r\n", 3, 4, 0, "hpu"},
        {43, "<H5>%1</H5>\r\n", 3, 4, 0, "hpu"},
        {44, "<H6>%1</H6>\r\n", 3, 4, 0, "hpu"},
        {45, "<HR>\r\n%1", 3, 6, 0, "hrpu"},
        {46, "<I>%1</I>", 3, NoStop, 0, nullptr},
        {47, "<MENU>\r\n%1\r\n</MENU>", 8, NoStop, 0, nullptr},
        {48, "<MULTICOL cols=\"\">\r\n%1\r\n</MULTICOL>", 17, 16, 1, "multipu"},
        {49, "<NOBR>\r\n%1\r\n</NOBR>", 8, NoStop, 0, nullptr},
        {50, "<P>\r\n%1\r\n</P>", 2, 5, 0, "ppu"},
        {51, "<PRE>\r\n%1\r\n</PRE>", 4, 7, 0, "prepu"},
        {52, "<S>%1</S>", 3, NoStop, 0, nullptr},
        {53, "<SAMP>\r\n%1\r\n</SAMP>", 8, NoStop, 0, nullptr},
        {54, "<SMALL>%1</SMALL>", 7, NoStop, 0, nullptr},
        {55, "<STRONG>%1</STRONG>", 8, NoStop, 0, nullptr},
        {56, "<SUB>%1</SUB>", 5, NoStop, 0, nullptr},
        {57, "<SUP>%1</SUP>", 5, NoStop, 0, nullptr},
        {58, "<TT>%1</TT>", 4, NoStop, 0, nullptr},
        {59, "<WBR>\r\n%1", 7, NoStop, 0, nullptr},
        {60, "<XMP>\r\n%1\r\n</XMP>", 7, NoStop, 0, nullptr},
        {61, "<OL>\r\n%1\r\n</OL>", 3, 6, 0, "olpu"},
        {62, "<UL>\r\n%1\r\n</UL>", 3, 6, 0, "ulpu"},
        {63, "<LI>%1</LI>", 3, 4, 0, "lipu"},
        {64, "<DL>\r\n%1\r\n</DL>", 3, 6, 0, "dlpu"},
        {65, "<DT>%1</DT>", 4, NoStop, 0, nullptr},
        {66, "<DD>%1</DD>", 4, NoStop, 0, nullptr},
        {67, "<FORM>\r\n%1\r\n</FORM>", 5, 8, 0, "formpu"},
        {68, "<INPUT type=\"text\">\r\n%1", 18, 21, 0, "textpu"},
        {69, "<INPUT type=\"hidden\" name=\"\">\r\n%1", 28, 27, 1, "hiddenpu"},
        {70, "<INPUT type=\"submit\">\r\n%1", 20, 23, 0, "submitpu"},
        {71, "<INPUT type=\"reset\">\r\n%1", 19, 22, 0, "submitpu"},
        {72, "<INPUT type=\"radio\">\r\n%1", 19, 22, 0, "radiopu"},
        {73, "<INPUT type=\"checkbox\">\r\n%1", 22, 25, 0, "radiopu"},
        {74, "<INPUT type=\"image\" src=\"\">\r\n%1", 26, 25, 1, "imagepu"},
        {75, "<INPUT type=\"button\">\r\n%1", 20, 23, 0, "submitpu"},
        {76, "<TEXTAREA>\r\n%1\r\n</TEXTAREA>", 9, 12, 0, "textapu"},
        {77, "<SELECT>\r\n%1\r\n</SELECT>", 7, 10, 0, "selpu"},
        {78, "<OPTION value=\"\">%1", 16, 15, 0, "oppu"},
        {80, "<INPUT type=\"submit\" value=\"\" onClick=\"location.href=document...options["
             "document...selectedindex].value; return true\">\r\n%1",
         28, NoStop, 0, nullptr},
        {81, "<LINK rel=\"StyleSheet\" type=\"text/css\" href=\"\">\r\n%1", 45, NoStop, 0, nullptr},
        {82, "<SPAN>%1</SPAN>\r\n", 5, 6, 0, "spanpu"},
        {83, "<STYLE>\r\n<!--\r\n%1\r\n-->\r\n</STYLE>", 15, NoStop, 0, nullptr},
        {84, "style=\"\"%1", 7, NoStop, 0, nullptr},
        {85, "<U>%1</U>", 3, NoStop, 0, nullptr},
    };
    const auto *found = std::find_if(std::begin(rows), std::end(rows),
                                     [tag](const AttributeModeRow &row) { return row.tag == tag; });
    return found == std::end(rows) ? nullptr : found;
}
