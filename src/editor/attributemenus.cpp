#include "editor/attributemenus.h"

#include <algorithm>

namespace {

const AttributeItem Items[] = {
    {"Bgcolor1", "Bgcolor", " bgcolor=\"#\"", 11},
    {"Background1", "Background", " background=\"\"", 13},
    {"Text2", "Text", " text=\"#\"", 8},
    {"Linkcolors1", "Linkcolors", " link=\"#\" alink=\"#\" vlink=\"#\"", 8},
    {"Margins1", "Margins", " topmargin=\"\" leftmargin=\"\" marginheight=\"\" marginwidth=\"\"", 12},
    {"onLoad1", "onLoad", " onLoad=\"\"", 9},
    {"onUnLoad1", "onUnLoad", " onUnLoad=\"\"", 11},
    {"onBlur1", "onBlur", " onBlur=\"\"", 9},
    {"onFocus1", "onFocus", " onFocus=\"\"", 10},
    {"Cols1", "Cols", " cols=\"\"", 7},
    {"Rows1", "Rows", " rows=\"\"", 7},
    {"Border1", "Border", " border=\"\" frameborder=\"\"", 9},
    {"Name1", "Name", " name=\"\"", 7},
    {"Scrolling1", "Scrolling", " scrolling=\"\"", 12},
    {"Noresize1", "Noresize", " noresize", NotCounted},
    {"Margins2", "Margins", " marginheight=\"\" marginwidth=\"\"", 15},
    {"Height1", "Height", " height=\"\"", 9},
    {"Width1", "Width", " width=\"\"", 8},
    {"Align1", "Align", " align=\"\"", 8},
    {"Border2", "Border", " border=\"\"", 9},
    {"Cellpadding1", "Cellpadding", " cellpadding=\"\"", 14},
    {"Cellspacing1", "Cellspacing", " cellspacing=\"\"", 14},
    {"Hspace1", "Hspace", " hspace=\"\"", 9},
    {"Vspace1", "Vspace", " vspace=\"\"", 9},
    {"Valign1", "Valign", " valign=\"\"", 9},
    {"Rowspan1", "Rowspan", " rowspan=\"\"", 10},
    {"Colspan1", "Colspan", " colspan=\"\"", 10},
    // The caption's content starts after the ">" and the line break that follow.
    {"Center2", "Center", " center", 10},
    {"Alt1", "Alt", " alt=\"\"", 6},
    {"Target1", "Target", " target=\"\"", 9},
    {"Title1", "Title", " title=\"\"", 8},
    {"onClick1", "onClick", " onClick=\"\"", 10},
    {"onMouseOver1", "onMouseOver", " onMouseOver=\"\"", 14},
    {"onMouseOut1", "onMouseOut", " onMouseOut=\"\"", 13},
    {"Autostart1", "Autostart", " autostart=\"\"", 12},
    {"Controls1", "Controls", " controls=\"\"", 11},
    {"Hidden2", "Hidden", " hidden=\"\"", 9},
    {"Loop1", "Loop", " loop=\"\"", 7},
    {"Src1", "Src", " src=\"\"", 6},
    {"Language2", "Language", " language=\"\"", 11},
    {"Codebase1", "Codebase", " codebase=\"\"", 11},
    {"Classid1", "Classid", " classid=\"\"", 10},
    {"Data1", "Data", " data=\"\"", 7},
    {"Id1", "ID", " id=\"\"", 5},
    {"Href1", "Href", " href=\"\"", 7},
    {"Color1", "Color", " color=\"\"", 8},
    {"Face1", "Face", " face=\"\"", 7},
    {"Style1", "Size", " size=\"\"", 7},
    {"Clear1", "Clear", " clear", NotCounted},
    {"Noshade1", "Noshade", " noshade", NotCounted},
    {"Gutter1", "Gutter", " gutter=\"\"", 9},
    {"Compact1", "Compact", " compact", NotCounted},
    {"Start1", "Start", " start=\"\"", 8},
    {"Type1", "Type", " type=\"\"", 7},
    {"Value1", "Value", " value=\"\"", 8},
    {"Action1", "Action", " action=\"\"", 9},
    {"Enctype1", "Enctype", " enctype=\"\"", 10},
    {"Method1", "Method", " method=\"\"", 9},
    {"onSubmit1", "onSubmit", " onSubmit=\"\"", 11},
    {"onReset1", "onReset", " onReset=\"\"", 10},
    {"Maxlength1", "Maxlength", " maxlength=\"\"", 12},
    {"onChange1", "onChange", " onChange=\"\"", 11},
    {"onSelect1", "onSelect", " onSelect=\"\"", 11},
    {"Wrap1", "Wrap", " wrap", NotCounted},
    {"Miltiple1", "Multiple", " multiple", NotCounted},
    {"Selected1", "Selected", " selected", NotCounted},
    {"Class1", "Class", " class=\"\"", 8},
    {"Style2", "Style", " style=\"\"", 8},
    {"Checked1", "Checked", " checked", NotCounted},
};

} // namespace

const AttributeItem *attributeItem(const QString &name)
{
    const auto *found = std::find_if(std::begin(Items), std::end(Items),
                                     [&name](const AttributeItem &item) { return name == QLatin1String(item.name); });
    return found == std::end(Items) ? nullptr : found;
}

QStringList AttributeMenu::itemNames() const
{
    return QString::fromLatin1(items).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const QList<AttributeMenu> &attributeMenus()
{
    static const QList<AttributeMenu> menus = {
        {"bodypu", true, "Bgcolor1 Background1 Text2 Linkcolors1 Margins1 | onLoad1 onUnLoad1 onBlur1 onFocus1"},
        {"framesetpu", true, "Cols1 Rows1 Border1 | onLoad1 onUnLoad1 onBlur1 onFocus1"},
        {"framepu", true, "Name1 Scrolling1 Noresize1 Margins2 | onLoad1 onUnLoad1 onBlur1 onFocus1"},
        {"tablepu", true,
         "Height1 Width1 Align1 Border2 Bgcolor1 Background1 Cellpadding1 Cellspacing1 Hspace1 Vspace1"},
        {"trpu", true, "Align1 Valign1 Bgcolor1 Background1 Cellpadding1 Cellspacing1"},
        {"tdpu", true, "Height1 Width1 Align1 Valign1 Border2 Rowspan1 Colspan1 Bgcolor1 Background1"},
        {"tfootpu", true, "Align1 Valign1"},
        {"captionpu", true, "Align1 Center2"},
        {"imgpu", true, "Border2 Alt1 Name1 Align1"},
        {"apu", true, "Target1 Title1 | onClick1 onMouseOver1 onMouseOut1"},
        {"embedpu", true, "Align1 Autostart1 Border2 Controls1 Height1 Hidden2 Loop1 Name1 Width1"},
        {"scriptpu", true, "Src1 Language2"},
        {"appletpu", true, "Height1 Width1 Codebase1 Align1 Alt1 Name1"},
        {"objectpu", false, "Classid1 Codebase1 Data1 Id1"},
        {"basepu", false, "Href1 Target1"},
        {"basefpu", false, "Color1 Face1 Style1"},
        {"brpu", true, "Clear1"},
        {"fontpu", true, "Color1 Face1 Style1"},
        {"hpu", true, "Align1"},
        {"hrpu", true, "Align1 Noshade1 Style1 Width1"},
        {"multipu", true, "Cols1 Gutter1 Width1"},
        {"ppu", true, "Align1"},
        {"prepu", true, "Width1"},
        {"olpu", true, "Compact1 Start1"},
        {"ulpu", true, "Compact1 Type1"},
        {"lipu", true, "Type1 Value1"},
        {"dlpu", true, "Compact1"},
        {"formpu", true, "Action1 Enctype1 Method1 Name1 Target1 | onSubmit1 onReset1"},
        {"textpu", true, "Name1 Maxlength1 Value1 Style1 | onBlur1 onChange1 onClick1 onFocus1"},
        {"textapu", true, "Cols1 Rows1 Name1 Wrap1 | onBlur1 onChange1 onFocus1 onSelect1"},
        {"hiddenpu", true, "Value1"},
        {"submitpu", true, "Name1 Value1 | onClick1"},
        {"radiopu", true, "Checked1 Name1 Value1 | onClick1"},
        {"imagepu", true, "Align1 Name1 | onClick1"},
        {"selpu", true, "Miltiple1 Name1 Style1 | onBlur1 onChange1 onClick1 onFocus1"},
        {"oppu", true, "Selected1"},
        {"spanpu", true, "Class1 Id1 Style2"},
    };
    return menus;
}
