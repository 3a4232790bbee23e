#include "wizards/framewriter.h"

#include "editor/editform.h"
#include "editor/editorhost.h"
#include "wizards/framesetpage.h"

#include <QFileInfo>

bool writeFrameDocument(Teditform &editor, const FramesetDescription &description, const QString &code)
{
    const std::optional<QString> text = frameDocumentText(description, code);
    if (!text) {
        editor.document().disableUndo();
        return true;
    }
    const QString path = frameDocumentPath(description, code);
    editor.document().setFileName(path);
    editor.setWindowTitle(QFileInfo(path).fileName());
    editor.host()->setStatusText(4, path);
    // Inserted rather than set, so that a document that fails to save stays
    // marked as modified.
    editor.document().text().SetText(QString());
    editor.document().text().SetSelText(*text);
    editor.document().text().SetSelStart(FrameDocumentCaret);
    const bool saved = editor.writeDocument();
    if (saved)
        editor.host()->setStatusText(2, QString());
    // The generated text is not a tag insertion the user could take back.
    editor.document().disableUndo();
    return saved;
}
