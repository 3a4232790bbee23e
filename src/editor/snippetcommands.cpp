#include "editor/snippetcommands.h"

#include "colormemo/documenttext.h"
#include "editor/editform.h"
#include "editor/editorcommands.h"
#include "editor/editortexts.h"
#include "editor/menubuilder.h"
#include "editor/snippettexts.h"
#include "editor/tdhtmlant.h"
#include "editor/tdhtmlsize.h"
#include "editor/textoperations.h"
#include "settings/integertext.h"
#include "settings/language.h"
#include "settings/messagetable.h"
#include "ui/captions.h"
#include "ui/prompts.h"

#include <QLineEdit>
#include <QMenu>

namespace SnippetCommands {

namespace {

const MessageTable Table{"layer generator"};

const Message TooManyLayersText{
    Table,
    {" is more layers than the generator makes (at most %1), please try again.",
     " er flere layers end generatoren laver (højst %1), prøv igen.",
     " sind mehr Layer als der Generator erzeugt (höchstens %1), bitte versuchen Sie es nochmal."}};

} // namespace

void insertSnippet(Teditform &editor, int index)
{
    const auto &snippets = SnippetTexts::javascriptSnippets();
    if (index < 0 || index >= int(snippets.size()))
        return;
    const SnippetTexts::Snippet &snippet = snippets[size_t(index)];
    if (!TextOperations::insertAtCaret(editor, snippet.text))
        return;
    DocumentText &text = editor.document().text();
    text.SetSelStart(text.SelStart() - snippet.caretBack);
}

void insertLinkToMarkvale(Teditform &editor)
{
    TextOperations::insertAtCaret(editor, SnippetTexts::linkBlock());
}

void generateLayers(Teditform &editor)
{
    if (editor.document().text().SelLength() != 0)
        return;

    int count = 0;
    for (;;) {
        Tdhtmlant ant(&editor);
        if (Prompts::runDialog(ant) != QDialog::Accepted)
            return;
        const QString entered = ant.countEdit->text();
        const std::optional<int> number = parseInteger(entered);
        if (!number) {
            Prompts::message(Prompts::Kind::Error, entered + EditorTexts::NotANumberText.text());
            continue;
        }
        if (*number > SnippetTexts::MaxLayers) {
            Prompts::message(Prompts::Kind::Error,
                             entered + TooManyLayersText.text().arg(SnippetTexts::MaxLayers));
            continue;
        }
        count = *number;
        break;
    }

    Tdhtmlsize size(&editor);
    const int answer = Prompts::runDialog(size);
    SnippetTexts::LayerGeometry geometry;
    if (answer == QDialog::Accepted)
        geometry = size.geometry();
    else if (answer != Tdhtmlsize::Skipped)
        return;

    editor.document().pushUndo();
    editor.document().text().SetSelText(SnippetTexts::layerScript(count, geometry));
}

} // namespace SnippetCommands

void installSnippetCommands(Teditform &editor)
{
    Teditform *e = &editor;
    QMenu *scriptsMenu = editor.menus().scripts;
    const auto &snippets = SnippetTexts::javascriptSnippets();
    for (int i = 0; i < int(snippets.size()); ++i) {
        const SnippetTexts::Snippet &s = snippets[size_t(i)];
        QAction *item = addMenuItem(scriptsMenu, {s.name, s.caption, s.shortcut,
                                                  [e, i] { SnippetCommands::insertSnippet(*e, i); }});
        markNotCaptioned(item); // a script's name
    }

    addMenuItem(editor.menus().layers,
                {"Generator1", "&Generator", "Ctrl+G", [e] { SnippetCommands::generateLayers(*e); }});

    addMenuItem(editor.menus().misc, {"LinktoMarkvale1", "&Link to Markvale", "Shift+Alt+L",
                                      [e] { SnippetCommands::insertLinkToMarkvale(*e); }});
}
