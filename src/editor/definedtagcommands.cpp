#include "editor/definedtagcommands.h"

#include "colormemo/documenttext.h"
#include "editor/definedtagtext.h"
#include "editor/editform.h"
#include "editor/editorcommands.h"
#include "editor/editorhost.h"
#include "editor/menubuilder.h"
#include "editor/tdefform.h"
#include "settings/settings.h"
#include "ui/prompts.h"

#include <QMenu>

namespace DefinedTagCommands {

void insertDefinedTag(Teditform &editor, int slot)
{
    if (slot < 0 || slot >= DefinedTagCount)
        return;
    DocumentText &text = editor.document().text();
    editor.document().pushUndo();
    const int selected = text.SelLength();
    const auto insertion =
        DefinedTagText::insertion(settings().DefinedTags[size_t(slot)], text.SelText());
    if (!insertion)
        return;
    text.SetSelText(insertion->text);
    text.SetSelStart(qMax(0, text.SelStart() - selected - insertion->caretBack));
}

void editDefinedTags(Teditform &editor)
{
    {
        Tdefform form(&editor);
        Prompts::runDialog(form);
    }
    // The slots are shared by every window.
    updateCaptions(editor);
    const QList<Teditform *> all = editor.host()->editors();
    for (Teditform *other : all) {
        if (other != &editor)
            updateCaptions(*other);
    }
}

void updateCaptions(Teditform &editor)
{
    const QList<QAction *> items = editor.menus().defined->actions();
    for (QAction *item : items) {
        if (const QVariant slot = item->data(); slot.isValid())
            item->setText(menuCaption(settings().DefinedTags[size_t(slot.toInt())].DefTitle));
    }
}

QString menuCaption(QString title)
{
    // A title is the user's own text: "&" marks no accelerator, and a tab or
    // line break does not start the shortcut column or a second line.
    for (QChar &c : title) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return title.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace DefinedTagCommands

void installDefinedTagCommands(Teditform &editor)
{
    Teditform *e = &editor;
    QMenu *definedMenu = editor.menus().defined;
    for (int n = 0; n < DefinedTagCount; ++n) {
        const QByteArray name = "def" + QByteArray::number(n);
        const QByteArray shortcut = "Ctrl+" + QByteArray::number(n);
        QAction *item = addMenuItem(definedMenu, {name.constData(), "", shortcut.constData(),
                                                  [e, n] { DefinedTagCommands::insertDefinedTag(*e, n); }});
        // The item's tag is its slot.
        item->setData(n);
    }
    addMenuItems(definedMenu, {
        {nullptr},
        {"Setdefinedtag1", "&Set defined tag", "Ctrl+Alt+D",
         [e] { DefinedTagCommands::editDefinedTags(*e); }},
    });
    DefinedTagCommands::updateCaptions(editor);
}
