#include "editor/taginserter.h"

#include "colormemo/colormemo.h"
#include "colormemo/documenttext.h"
#include "editor/attributepopups.h"
#include "editor/editform.h"
#include "editor/editortexts.h"
#include "editor/tagrows.h"
#include "editor/tagtext.h"
#include "imaging/picture.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "ui/prompts.h"

#include <QFileInfo>
#include <QKeyEvent>

namespace {

constexpr int PictureDialogHelp = 3006;
const char *const PictureMenu = "imgpu";

} // namespace

TagInserter::TagInserter(Teditform &editor)
    : QObject(&editor)
    , m_editor(editor)
    , m_memo(editor.memo())
{
    editor.memo()->installEventFilter(this);
}

void TagInserter::insertTag(int tag)
{
    const bool attributeMode = m_editor.tagTemplatesMode();
    if (tag == PictureTag) {
        if (attributeMode)
            attributePicture();
        else
            tablePicture();
        return;
    }
    // A single element has no content to wrap around a selection.
    if (isSingleTag(tag) && text().SelLength() != 0)
        return;
    if (attributeMode)
        insertWithAttributeMenu(tag);
    else
        insertFromTable(tag);
}

void TagInserter::insertFromTable(int tag)
{
    const std::optional<TagInsertion> insertion =
        tableModeInsertion(tag, TagTable()[size_t(tag)], text().SelText());
    if (!insertion)
        return;
    m_editor.document().pushUndo();
    insert(*insertion);
}

void TagInserter::insertWithAttributeMenu(int tag)
{
    const AttributeModeRow *row = attributeModeRow(tag);
    if (!row)
        return;
    DocumentText &text = this->text();
    m_editor.document().pushUndo();
    TagState &state = tagState();
    state.SelectedText = text.SelText();
    state.SelectionLength = text.SelLength();
    state.AttributeCount = 0;
    const int start = text.SelStart();
    insert(attributeModeInsertion(*row, state.SelectedText));
    if (row->stop != NoStop) {
        state.StopPosition = start + row->stop;
        state.AttributeCount = row->count;
    }
    if (row->menu)
        m_editor.attributePopups()->open(QLatin1String(row->menu));
}

void TagInserter::insertMetaTags()
{
    if (text().SelLength() != 0)
        return;
    m_editor.document().pushUndo();
    insert(standardInsertion(TagTable()));
}

void TagInserter::tablePicture()
{
    if (text().SelLength() != 0)
        return;
    m_editor.document().pushUndo();
    insert(tablePictureInsertion(TagTable()[size_t(PictureTag)]));
    const QString path = choosePicture();
    if (!path.isEmpty())
        insertPicture(path, TablePictureSteps);
}

void TagInserter::attributePicture()
{
    DocumentText &text = this->text();
    if (text.SelLength() != 0)
        return;
    m_editor.document().pushUndo();
    insert(attributePictureInsertion());
    TagState &state = tagState();
    state.StopPosition = text.SelStart();
    const QString path = choosePicture();
    if (path.isEmpty()) {
        state.AttributeCount = 1;
        state.StopPosition = text.SelStart();
        moveCaret(CancelledPictureStep);
    } else if (insertPicture(path, AttributePictureSteps)) {
        // A fresh count: the first attribute added from the menu is where
        // typing goes on, otherwise Stop returns to the src value.
        state.AttributeCount = 0;
    } else {
        return;
    }
    m_editor.attributePopups()->open(QLatin1String(PictureMenu));
}

QString TagInserter::choosePicture() const
{
    Prompts::FileDialog dialog;
    dialog.title = SharedTexts::PictureDialogTitle.text();
    dialog.directory = settings().OpenDir;
    dialog.filter = SharedTexts::PictureFilter.text();
    dialog.helpContext = PictureDialogHelp;
    return Prompts::openFile(dialog).path();
}

bool TagInserter::insertPicture(const QString &path, const PictureSteps &steps)
{
    DocumentText &text = this->text();
    text.SetSelText(QFileInfo(path).fileName());
    PictureError error;
    const std::optional<QSize> size = pictureSize(path, &error);
    if (!size) {
        Prompts::message(Prompts::Kind::Error, pictureErrorText(path, error));
        return false;
    }
    moveCaret(steps.toHeight);
    text.SetSelText(QString::number(size->height()));
    moveCaret(steps.toWidth);
    text.SetSelText(QString::number(size->width()));
    moveCaret(steps.afterWidth);
    return true;
}

void TagInserter::insert(const TagInsertion &insertion)
{
    const int start = text().SelStart();
    text().SetSelText(insertion.text);
    setCaret(start + insertion.caret);
}

// Stored templates may carry any back value; the caret stays in the text.
void TagInserter::setCaret(int position)
{
    text().SetSelStart(qBound(0, position, text().TextLength()));
    m_editor.ShowCaretPosition();
}

void TagInserter::moveCaret(int characters)
{
    setCaret(text().SelStart() + characters);
}

// Ctrl+N acts on the key press: waiting for N to be released would miss
// every time Ctrl is let go of a moment earlier.
bool TagInserter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_memo && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_N && key->modifiers() == Qt::ControlModifier) {
            jumpToNextEmptyValue();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

DocumentText &TagInserter::text() const
{
    return m_editor.document().text();
}

void TagInserter::jumpToNextEmptyValue()
{
    DocumentText &text = this->text();
    const std::optional<int> column = nextEmptyValueColumn(text.LineText(text.CaretLine()));
    if (!column)
        return;
    text.SetCaretColumn(*column);
    m_editor.ShowCaretPosition();
}
