#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The text-file picker: shows a text file, and the part the user highlights
// is what Insert from text file inserts.
class Tloadform : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 1400;

    explicit Tloadform(QWidget *parent = nullptr);

    // What the form does as it is shown: empty memo, language, OK disabled,
    // then the last file again, or the open dialog when there is none.
    void FormShow(const QString &lastFile);

    // The file the picker shows (empty while none was loaded).
    QString fileName() const { return m_fileName; }
    // The memo's selection with CR LF line breaks; the result of OK.
    QString selectedText() const;

    // "Open file": the open dialog again; a chosen file replaces the memo.
    void chooseFile();
    // Loads a file into the memo; false (after the error box) when it
    // cannot be read, leaving the memo empty.
    bool loadFile(const QString &path);

    QPlainTextEdit *textMemo;
    QLabel *hintLabel;
    QPushButton *helpButton;
    QPushButton *openFileButton;
    QPushButton *cancelButton;
    QPushButton *okButton;

private:
    void updateOk();
    QString filter() const;

    QString m_fileName;
};

extern const CaptionTable TloadformCaptions;
