#pragma once

#include "colormemo/documenttext.h"
#include "editor/filewatch.h"
#include "editor/undohistory.h"
#include "platform/textfile.h"

#include <QObject>
#include <QString>

// One open document without its window: the text, the file it belongs to
// and how that file is encoded, whether the text changed since it was read
// or written, the undo history, and the watch on the file. It asks the user
// nothing: failures come back as results, changes as signals.
class Document : public QObject
{
    Q_OBJECT

public:
    // A document is named once it has a file of its own. Untitled (a new
    // HTML page) and blank documents carry a placeholder name instead.
    enum class Kind { Untitled, Blank, Named };

    // How reading or writing a file went.
    struct FileResult
    {
        TextFile::Error error = TextFile::Error::None;
        QString detail; // the system's reason, where there is one
        QString path;   // the file read or written
        bool ok() const { return error == TextFile::Error::None; }
    };

    explicit Document(QObject *parent = nullptr);

    DocumentText &text() { return m_text; }
    const DocumentText &text() const { return m_text; }

    Kind kind() const { return m_kind; }
    bool isNamed() const { return m_kind == Kind::Named; }
    // The file's full path, or the placeholder name of an unnamed document.
    const QString &fileName() const { return m_fileName; }
    // Makes the document untitled or blank under `placeholder`; the text stays.
    void setPlaceholder(Kind kind, const QString &placeholder);
    // The document belongs to `path` from now on; nothing is read or written.
    void setFileName(const QString &path);

    bool isModified() const { return m_text.Modified(); }
    void setModified(bool modified) { m_text.SetModified(modified); }

    // Reads a file into the text, which is then named after it and
    // unmodified; changes nothing when the file cannot be read.
    FileResult load(const QString &path);
    // Reads the document's own file again; the text as it was stays one Undo
    // away, and the caret stays where it was as far as the text reaches.
    FileResult reload();
    // Inserts a text file at the caret, after an undo snapshot.
    FileResult insertFile(const QString &path);
    // Writes the text to the file, every line ended by CR LF; clears the
    // modified flag when told to. The text and flag stay as they were when
    // writing fails.
    FileResult save(bool clearModified = true);
    // Writes to another file, which the document belongs to from then on; on
    // failure it keeps its file, kind and encoding.
    FileResult saveAs(const QString &path);

    // Records the text and caret before a command changes them.
    void pushUndo();
    // Brings back the newest snapshot; the text it replaces is kept for Redo.
    void undo();
    // Brings back the text the last Undo replaced.
    void redo();
    bool canUndo() const { return m_canUndo; }
    bool canRedo() const { return m_canRedo; }
    // What is in the text now cannot be taken back (a generated page).
    void disableUndo();

    // Tells when another program changes or removes the file.
    FileWatch &diskWatch() { return m_disk; }

Q_SIGNALS:
    void undoStateChanged();

private:
    FileResult read(const QString &path);
    // Every line, the last one included, ends with CR LF.
    QString fileText() const;
    void setUndoState(bool canUndo, bool canRedo);

    DocumentText m_text;
    QString m_fileName;
    Kind m_kind = Kind::Named;
    TextEncoding m_encoding;
    UndoHistory m_undo;
    bool m_canUndo = false;
    bool m_canRedo = false;
    FileWatch m_disk;
};
