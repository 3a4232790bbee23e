#include "editor/textoperations.h"

#include "colormemo/colormemo.h"
#include "colormemo/documenttext.h"
#include "editor/editform.h"
#include "editor/editorcommands.h"
#include "editor/editortexts.h"
#include "editor/menubuilder.h"
#include "editor/textbuilders.h"
#include "editor/tloadform.h"
#include "editor/tposform.h"
#include "ui/captions.h"
#include "ui/named.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QMenu>
#include <QScrollBar>

namespace TextOperations {

namespace {

bool askedYes(Prompts::Kind kind, Prompts::Buttons buttons)
{
    return Prompts::message(kind, EditorTexts::AreYouSureText.text(), buttons) == Prompts::Button::Yes;
}

// Replaces [start, start + length) of the text in one edit.
void replaceRange(DocumentText &document, int start, int length, const QString &text)
{
    document.SetSelStart(start);
    document.SetSelLength(length);
    document.SetSelText(text);
}

// Turns the text `before`, which the document holds from offset `start` on, into
// `after`. Small scattered changes are made where they are, in one change;
// otherwise the whole stretch is replaced at once. Either way the control
// re-lays out only what changed and the document ends the same.
void replaceText(DocumentText &document, int start, const QString &before, const QString &after)
{
    if (before == after)
        return;
    const std::vector<TextBuilders::TextEdit> edits = TextBuilders::textEdits(before, after);
    std::vector<TextChange> changes;
    // An edit in place costs about as much as laying out 40 characters anew.
    if (qsizetype(edits.size()) * 40 > before.size() + after.size()) {
        changes.push_back({start, before.size(), after});
    } else {
        changes.reserve(edits.size());
        for (const TextBuilders::TextEdit &edit : edits)
            changes.push_back({start + edit.position, edit.removed, edit.inserted});
    }
    document.ApplyChanges(changes);
}

// Adds items to a menu, placed before `before` (at the end when it is null).
// Each action is its own context: a menu drops the connections it is the
// receiver of whenever an action is moved within it.
void insertMenuItems(QMenu *menu, QAction *before, std::initializer_list<MenuItem> items)
{
    for (const MenuItem &item : items) {
        if (!item.name) {
            menu->insertSeparator(before);
            continue;
        }
        auto *action = named<QAction>(item.name, QString::fromUtf8(item.caption), menu);
        if (*item.shortcut)
            action->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
        if (item.run)
            QObject::connect(action, &QAction::triggered, action, [run = item.run] { run(); });
        menu->insertAction(before, action);
    }
}

// The action after `action` in its menu, or null at the end.
QAction *actionAfter(QMenu *menu, QAction *action)
{
    const QList<QAction *> actions = menu->actions();
    const qsizetype index = actions.indexOf(action);
    return index >= 0 && index + 1 < actions.size() ? actions.at(index + 1) : nullptr;
}

void installEditItems(Teditform &editor)
{
    Teditform *e = &editor;
    const Teditform::Commands &commands = editor.commands();
    QMenu *editMenu = editor.menus().edit;
    // The window designs the clipboard items; their handlers are here.
    const struct {
        QAction *action;
        void (*handler)(Teditform &);
    } own[] = {{commands.copy, copy}, {commands.cut, cut}, {commands.paste, paste},
               {commands.del, deleteSelection}};
    for (const auto &item : own)
        QObject::connect(item.action, &QAction::triggered, item.action, [e, h = item.handler] { h(*e); });

    // After Delete, before the Search and Replace group.
    QAction *before = commands.search;
    const QList<QAction *> actions = editMenu->actions();
    const qsizetype index = actions.indexOf(commands.search);
    if (index > 0 && actions.at(index - 1)->isSeparator())
        before = actions.at(index - 1);
    insertMenuItems(editMenu, before, {
        {"Deleteline1", "Delete l&ine", "Ctrl+Y", [e] { deleteLine(*e); }},
        {nullptr},
    });
    QMenu *specialMenu = namedMenu(editMenu, "Special2", "Speci&al");
    addMenuItems(specialMenu, {
        {"Bottomofpage1", "&Bottom of page", "Ctrl+B", [e] { goToBottom(*e); }},
        {"Topofpage1", "&Top of page", "Ctrl+T", [e] { goToTop(*e); }},
        {"Jumpto1", "&Jump to", "Ctrl+J", [e] { jumpToPosition(*e); }},
        {"Selectall1", "&Select all", "Ctrl+O", [e] { selectAll(*e); }},
    });
    editMenu->insertMenu(before, specialMenu);
    insertMenuItems(editMenu, before, {
        {nullptr},
        {"Setlinebreaks1", "Set &line breaks", "Ctrl+L", [e] { setLineBreaks(*e); }},
        {"removelinebreaks1", "Remove line &breaks", "Ctrl+Shift+L", [e] { removeLineBreaks(*e); }},
        {"Removeemptylines1", "Remove &empty lines", "Ctrl+Del", [e] { removeEmptyLines(*e); }},
    });
}

void installFileItem(Teditform &editor)
{
    Teditform *e = &editor;
    QMenu *fileMenu = editor.menus().file;
    insertMenuItems(fileMenu, actionAfter(fileMenu, editor.commands().insertFrom), {
        {"Insertfromtextfile1", "Insert from &textfile...", "Ctrl+Shift+Alt+F",
         [e] { insertFromTextFile(*e); }},
    });
}

void installMiscItems(Teditform &editor)
{
    Teditform *e = &editor;
    QMenu *miscMenu = editor.menus().misc;
    addMenuItem(miscMenu, {"Space2", "&Space", "Ctrl+Space", [e] { insertSpace(*e); }});
    QAction *less = addMenuItem(miscMenu, {"intext1", "< &in text", "", [e] { insertLessThan(*e); }});
    QAction *greater = addMenuItem(miscMenu, {"intext2", "> in &text", "", [e] { insertGreaterThan(*e); }});
    // The key beside the left Shift of European keyboards; with Shift it
    // types ">", which some keyboard layouts report instead.
    less->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Less));
    greater->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Less),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Greater)});
}

void installCharacterMenu(Teditform &editor)
{
    Teditform *e = &editor;
    auto *characterMenu = named<QMenu>("PopupMenu1", &editor);
    for (const TextBuilders::CharacterGroup &group : TextBuilders::specialCharacterGroups()) {
        if (group.separatorBefore)
            characterMenu->addSeparator();
        QMenu *sub = namedMenu(characterMenu, group.name, group.caption);
        for (const QChar c : group.characters) {
            const QString character(c);
            QAction *item = sub->addAction(character);
            markNotCaptioned(item);
            QObject::connect(item, &QAction::triggered, sub, [e, character] { insertCharacter(*e, character); });
        }
        characterMenu->addMenu(sub);
    }
    TColorMemo *memo = editor.memo();
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(memo, &QWidget::customContextMenuRequested, characterMenu,
                     [memo, characterMenu](const QPoint &pos) {
                         characterMenu->popup(memo->viewport()->mapToGlobal(pos));
                     });
}

} // namespace

QString &PickedText()
{
    static QString text;
    return text;
}

QString &LastTextFile()
{
    static QString path;
    return path;
}

bool insertAtCaret(Teditform &editor, const QString &text)
{
    DocumentText &document = editor.document().text();
    if (document.SelLength() != 0)
        return false;
    editor.document().pushUndo();
    document.SetSelText(text);
    return true;
}

void scrollToCaretLine(Teditform &editor)
{
    TColorMemo *memo = editor.memo();
    const int line = editor.document().text().CaretLine();
    // Wrapped lines take several rows of the scroll bar, so one step may fall
    // short; repeat while the memo can still scroll.
    for (int attempt = 0; attempt < 64; ++attempt) {
        const int delta = line - memo->FirstVisibleLine();
        if (delta == 0)
            break;
        const int before = memo->verticalScrollBar()->value();
        memo->ScrollLines(delta);
        if (memo->verticalScrollBar()->value() == before)
            break;
    }
}

void copy(Teditform &editor)
{
    editor.memo()->copy();
}

void cut(Teditform &editor)
{
    // Without a selection there is nothing to cut, and no step to undo.
    if (editor.document().text().SelLength() == 0)
        return;
    editor.document().pushUndo();
    editor.memo()->cut();
}

void paste(Teditform &editor)
{
    editor.document().pushUndo();
    editor.memo()->paste();
}

void deleteSelection(Teditform &editor)
{
    DocumentText &document = editor.document().text();
    if (document.SelLength() == 0)
        return;
    if (!askedYes(Prompts::Kind::Warning, Prompts::Button::Yes | Prompts::Button::Cancel))
        return;
    editor.document().pushUndo();
    document.SetSelText(QString());
}

void deleteLine(Teditform &editor)
{
    editor.document().pushUndo();
    DocumentText &document = editor.document().text();
    const int line = document.CaretLine();
    const int start = document.LineStart(line);
    // The line with its line break; the last line has none to take.
    const int end = line + 1 < document.LineCount() ? document.LineStart(line + 1)
                                                    : start + int(document.LineText(line).size());
    replaceRange(document, start, end - start, QString());
    editor.ShowCaretPosition();
}

void selectAll(Teditform &editor)
{
    if (askedYes(Prompts::Kind::Confirmation, Prompts::Button::Yes | Prompts::Button::No))
        editor.memo()->selectAll();
}

void goToTop(Teditform &editor)
{
    editor.document().text().SetCaretLine(0);
    scrollToCaretLine(editor);
    editor.ShowCaretPosition();
}

void goToBottom(Teditform &editor)
{
    DocumentText &document = editor.document().text();
    document.SetCaretLine(document.LineCount());
    scrollToCaretLine(editor);
    editor.ShowCaretPosition();
}

void jumpToPosition(Teditform &editor)
{
    Tposform form(&editor);
    if (Prompts::runDialog(form) != QDialog::Accepted)
        return;
    DocumentText &document = editor.document().text();
    document.SetCaretLine(form.line());
    document.SetCaretColumn(form.column());
    scrollToCaretLine(editor);
    editor.ShowCaretPosition();
}

// Replaces the selection by what `build` makes of it, and leaves the caret
// after the result.
template<typename Build>
void rebuildSelection(DocumentText &document, Build build)
{
    const int start = document.SelStart();
    const QString before = document.SelText();
    const QString after = build(before);
    replaceText(document, start, before, after);
    document.SetSelStart(start + int(after.size()));
}

void setLineBreaks(Teditform &editor)
{
    editor.document().pushUndo();
    {
        const OverrideCursor busy;
        rebuildSelection(editor.document().text(), TextBuilders::setLineBreaks);
    }
    editor.memo()->setFocus();
}

void removeLineBreaks(Teditform &editor)
{
    editor.document().pushUndo();
    const OverrideCursor busy;
    rebuildSelection(editor.document().text(), TextBuilders::removeLineBreaks);
}

void removeEmptyLines(Teditform &editor)
{
    editor.document().pushUndo();
    const OverrideCursor busy;
    DocumentText &document = editor.document().text();
    const QString text = document.Text();
    const TextBuilders::EmptyLinesResult result = TextBuilders::removeEmptyLines(text);
    if (result.caret < 0)
        return;
    replaceText(document, 0, text, result.text);
    document.SetSelStart(result.caret);
}

void insertFromTextFile(Teditform &editor)
{
    DocumentText &document = editor.document().text();
    if (document.SelLength() != 0)
        return;
    editor.document().pushUndo();
    Tloadform picker(&editor);
    picker.FormShow(LastTextFile());
    const int result = Prompts::runDialog(picker);
    if (result == QDialog::Accepted) {
        PickedText() = picker.selectedText();
        document.SetSelText(PickedText());
    }
    LastTextFile() = picker.fileName();
    editor.memo()->setFocus();
}

void insertSpace(Teditform &editor)
{
    insertAtCaret(editor, QLatin1String(TextBuilders::NbspEntity));
}

void insertLessThan(Teditform &editor)
{
    insertAtCaret(editor, QLatin1String(TextBuilders::LessThanEntity));
}

void insertGreaterThan(Teditform &editor)
{
    insertAtCaret(editor, QLatin1String(TextBuilders::GreaterThanEntity));
}

void insertCharacter(Teditform &editor, const QString &character)
{
    insertAtCaret(editor, character);
}

} // namespace TextOperations

void installTextOperations(Teditform &editor)
{
    TextOperations::installEditItems(editor);
    TextOperations::installFileItem(editor);
    TextOperations::installMiscItems(editor);
    TextOperations::installCharacterMenu(editor);
}
