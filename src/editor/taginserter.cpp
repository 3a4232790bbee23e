#include "editor/taginserter.h"

#include "colormemo/colormemo.h"
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
    , m_memo(editor.cmemo1)
{
    editor.cmemo1->installEventFilter(this);
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
    if (isSingleTag(tag) && m_editor.cmemo1->SelLength() != 0)
        return;
    if (attributeMode)
        insertWithAttributeMenu(tag);
    else
        insertFromTable(tag);
}

void TagInserter::insertFromTable(int tag)
{
    const std::optional<TagInsertion> insertion =
        tableModeInsertion(tag, TagTable()[size_t(tag)], m_editor.cmemo1->SelText());
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
    TColorMemo *memo = m_editor.cmemo1;
    m_editor.document().pushUndo();
    TagState &state = tagState();
    state.SelectedText = memo->SelText();
    state.SelectionLength = memo->SelLength();
    state.AttributeCount = 0;
    const int start = memo->SelStart();
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
    if (m_editor.cmemo1->SelLength() != 0)
        return;
    m_editor.document().pushUndo();
    insert(standardInsertion(TagTable()));
}

void TagInserter::tablePicture()
{
    if (m_editor.cmemo1->SelLength() != 0)
        return;
    m_editor.document().pushUndo();
    insert(tablePictureInsertion(TagTable()[size_t(PictureTag)]));
    const QString path = choosePicture();
    if (!path.isEmpty())
        insertPicture(path, TablePictureSteps);
}

void TagInserter::attributePicture()
{
    TColorMemo *memo = m_editor.cmemo1;
    if (memo->SelLength() != 0)
        return;
    m_editor.document().pushUndo();
    insert(attributePictureInsertion());
    TagState &state = tagState();
    state.StopPosition = memo->SelStart();
    const QString path = choosePicture();
    if (path.isEmpty()) {
        state.AttributeCount = 1;
        state.StopPosition = memo->SelStart();
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
    TColorMemo *memo = m_editor.cmemo1;
    memo->SetSelText(QFileInfo(path).fileName());
    PictureError error;
    const std::optional<QSize> size = pictureSize(path, &error);
    if (!size) {
        Prompts::message(Prompts::Kind::Error, pictureErrorText(path, error));
        return false;
    }
    moveCaret(steps.toHeight);
    memo->SetSelText(QString::number(size->height()));
    moveCaret(steps.toWidth);
    memo->SetSelText(QString::number(size->width()));
    moveCaret(steps.afterWidth);
    return true;
}

void TagInserter::insert(const TagInsertion &insertion)
{
    const int start = m_editor.cmemo1->SelStart();
    m_editor.cmemo1->SetSelText(insertion.text);
    setCaret(start + insertion.caret);
}

// Stored templates may carry any back value; the caret stays in the text.
void TagInserter::setCaret(int position)
{
    m_editor.cmemo1->SetSelStart(qBound(0, position, m_editor.cmemo1->TextLength()));
    m_editor.ShowCaretPosition();
}

void TagInserter::moveCaret(int characters)
{
    setCaret(m_editor.cmemo1->SelStart() + characters);
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

void TagInserter::jumpToNextEmptyValue()
{
    TColorMemo *memo = m_editor.cmemo1;
    const std::optional<int> column = nextEmptyValueColumn(memo->LineText(memo->CaretLine()));
    if (!column)
        return;
    memo->SetCaretColumn(*column);
    m_editor.ShowCaretPosition();
}
