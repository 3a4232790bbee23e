#include "editor/document.h"

#include "platform/freedmemory.h"

namespace {

// Above this many characters an undo snapshot is worth giving memory back for.
constexpr int LargeDocument = 1024 * 1024;
// Larger files would take the editor's memory into gigabytes.
constexpr qint64 MaxFileBytes = Q_INT64_C(64) * 1024 * 1024;

} // namespace

Document::Document(QObject *parent)
    : QObject(parent)
{
}

void Document::setPlaceholder(Kind kind, const QString &placeholder)
{
    m_kind = kind;
    m_fileName = placeholder;
    m_disk.stop();
}

void Document::setFileName(const QString &path)
{
    m_fileName = path;
    m_kind = Kind::Named;
    // Nothing has been read from or written to the new file yet.
    m_disk.stop();
}

Document::FileResult Document::read(const QString &path)
{
    TextFile::DocumentResult file = TextFile::readDocument(path, MaxFileBytes);
    if (!file.ok())
        return {file.error, file.detail, path};
    m_encoding = file.encoding;
    m_text.LoadText(std::move(file.text));
    m_disk.track(path);
    return {TextFile::Error::None, QString(), path};
}

Document::FileResult Document::load(const QString &path)
{
    const FileResult result = read(path);
    if (!result.ok())
        return result;
    m_fileName = path;
    m_kind = Kind::Named;
    m_text.SetModified(false);
    return result;
}

Document::FileResult Document::reload()
{
    pushUndo();
    const int caret = m_text.SelStart();
    const FileResult result = read(m_fileName);
    if (!result.ok())
        return result;
    m_text.SetSelStart(qMin(caret, m_text.TextLength()));
    m_text.SetModified(false);
    return result;
}

Document::FileResult Document::insertFile(const QString &path)
{
    // The same limits as opening it: no pictures, nothing that would take
    // the memory and minutes.
    const TextFile::DocumentResult file = TextFile::readDocument(path, MaxFileBytes);
    if (!file.ok())
        return {file.error, file.detail, path};
    pushUndo();
    m_text.SetSelText(file.text);
    return {TextFile::Error::None, QString(), path};
}

QString Document::fileText() const
{
    QString text = m_text.Text();
    if (!text.isEmpty() && !text.endsWith(QLatin1String("\r\n")))
        text += QLatin1String("\r\n");
    return text;
}

Document::FileResult Document::save(bool clearModified)
{
    FileResult result{TextFile::Error::None, QString(), m_fileName};
    // An untitled or blank document's name is a placeholder in the user's
    // language, not a file the user chose: only Save as names one.
    if (!isNamed()) {
        result.error = TextFile::Error::WriteFailed;
        return result;
    }
    result.error = TextFile::writeText(m_fileName, fileText(), m_encoding, &result.detail);
    if (!result.ok())
        return result;
    m_disk.track(m_fileName);
    if (clearModified)
        m_text.SetModified(false);
    return result;
}

Document::FileResult Document::saveAs(const QString &path)
{
    const QString previous = m_fileName;
    const Kind previousKind = m_kind;
    const TextEncoding previousEncoding = m_encoding;
    // A new file need not keep an encoding that cannot hold the text.
    QByteArray probe;
    if (!TextFile::encode(fileText(), m_encoding, &probe))
        m_encoding = TextEncoding();
    m_fileName = path;
    m_kind = Kind::Named;
    const FileResult result = save();
    if (!result.ok()) {
        m_fileName = previous;
        m_kind = previousKind;
        m_encoding = previousEncoding;
    }
    return result;
}

void Document::pushUndo()
{
    KnownEnds known;
    const QString text = m_text.UndoText(&known);
    m_undo.push(text, m_text.SelStart(), known);
    // Each snapshot of a large page leaves the previous one's memory behind.
    if (m_text.TextLength() > LargeDocument)
        releaseFreedMemorySoon();
    setUndoState(true, m_canRedo);
}

void Document::undo()
{
    const UndoHistory::Entry entry = m_undo.undo(m_text.UndoText(), m_text.SelStart());
    m_text.RestoreUndoText(entry.text);
    m_text.SetSelStart(entry.caret);
    setUndoState(m_undo.hasUndoText(), true);
}

void Document::redo()
{
    const UndoHistory::Entry entry = m_undo.redo(m_text.UndoText(), m_text.SelStart());
    m_text.RestoreUndoText(entry.text);
    m_text.SetSelStart(entry.caret);
    setUndoState(true, false);
}

void Document::disableUndo()
{
    setUndoState(false, m_canRedo);
}

void Document::setUndoState(bool canUndo, bool canRedo)
{
    m_canUndo = canUndo;
    m_canRedo = canRedo;
    Q_EMIT undoStateChanged();
}
