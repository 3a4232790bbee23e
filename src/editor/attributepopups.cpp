#include "editor/attributepopups.h"

#include "colormemo/colormemo.h"
#include "colormemo/documenttext.h"
#include "editor/attributemenus.h"
#include "editor/editform.h"
#include "editor/menubuilder.h"
#include "editor/tagtext.h"
#include "ui/captions.h"

#include <QMenu>

#include <algorithm>

namespace {

const char *const StopName = "Stop1";

// Menus open near the top right corner of the main window, clear of the text.
constexpr int PopupFromRight = 150;
constexpr int PopupFromTop = 100;

} // namespace

AttributePopups::AttributePopups(Teditform &editor)
    : QObject(&editor)
    , m_editor(editor)
{
    for (const AttributeMenu &row : attributeMenus()) {
        QMenu *menu = namedMenu(&editor, row.name, "");
        m_menus.insert(QLatin1String(row.name), menu);
        QAction *stop = menu->addAction(QString());
        stop->setObjectName(QLatin1String(StopName));
        setNameCaption(stop, QStringLiteral("Stop")); // one of many of this name, all alike
        menu->setDefaultAction(stop);
        connect(stop, &QAction::triggered, this, [this, menu] { stopAttributes(menu); });
        for (const QString &name : row.itemNames()) {
            // Qt menus have no column breaks; a dividing bar keeps the grouping.
            if (name == QLatin1String(ColumnBreak)) {
                menu->addSeparator();
                continue;
            }
            const AttributeItem *item = attributeItem(name);
            Q_ASSERT(item);
            QAction *action = menu->addAction(QString::fromUtf8(item->caption));
            action->setObjectName(name);
            markNotCaptioned(action); // an attribute's name
            connect(action, &QAction::triggered, this, [this, menu, item] { chooseAttribute(menu, *item); });
        }
    }
}

void AttributePopups::open(const QString &menuName)
{
    const QList<AttributeMenu> &rows = attributeMenus();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&menuName](const AttributeMenu &r) { return menuName == QLatin1String(r.name); });
    QMenu *menu = m_menus.value(menuName);
    if (row == rows.end() || !menu)
        return;
    menu->popup(popupPoint());
    // Highlighting Stop lets Enter end the sequence at once.
    if (row->highlightStop)
        menu->setActiveAction(menu->defaultAction());
}

QPoint AttributePopups::popupPoint() const
{
    const QWidget *main = m_editor.window();
    return main->mapToGlobal(QPoint(main->width() - PopupFromRight, PopupFromTop));
}

void AttributePopups::chooseAttribute(QMenu *menu, const AttributeItem &item)
{
    DocumentText &text = m_editor.document().text();
    const int at = text.SelStart();
    text.SetSelText(QString::fromUtf8(item.text));
    addAttribute(tagState(), item, at);
    open(menu->objectName());
}

void AttributePopups::stopAttributes(QMenu *menu)
{
    menu->hide();
    DocumentText &text = m_editor.document().text();
    text.SetSelStart(qBound(0, tagState().StopPosition, text.TextLength()));
    m_editor.memo()->setFocus();
}
