#pragma once

#include <QObject>

class DocumentText;
class Teditform;
struct PictureSteps;
struct TagInsertion;

// The Tags menu's commands for one editor window: tag insertion in table and
// attribute-menu mode, the meta group, the picture tag and the Ctrl+N jump
// to the next empty attribute value.
class TagInserter : public QObject
{
    Q_OBJECT

public:
    explicit TagInserter(Teditform &editor);

    void insertTag(int tag);
    void insertMetaTags();

protected:
    // Watches the memo's keys for Ctrl+N.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void insertFromTable(int tag);
    void insertWithAttributeMenu(int tag);
    void tablePicture();
    void attributePicture();
    // Shows the picture dialog; an empty path when it was cancelled.
    QString choosePicture() const;
    // Fills in the file name and the pixel size at the caret. False, after
    // an error box, when the picture cannot be read.
    bool insertPicture(const QString &path, const PictureSteps &steps);
    void insert(const TagInsertion &insertion);
    void setCaret(int position);
    void moveCaret(int characters);
    void jumpToNextEmptyValue();
    // The window's text, where the commands read and change it.
    DocumentText &text() const;

    Teditform &m_editor;
    // Compared with, never used: the window may be half torn down when the
    // control's last events arrive.
    const QObject *m_memo;
};
