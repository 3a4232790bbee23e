#pragma once

#include "project/projectfile.h"

#include <QWidget>

class EditorWindows;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

// The project window: a project's files on the left, its snippets on the
// right, kept in a ".mvp" file. A tool window beside the main window.
class Tprojectform : public QWidget
{
    Q_OBJECT

public:
    explicit Tprojectform(EditorWindows &windows, QWidget *parent = nullptr);

    QString projectName() const { return m_projectName; }
    bool isModified() const { return m_modified; }
    ProjectData project() const;

    // Adds a path unless the list has it already; true when it was added.
    bool addFile(const QString &path);
    // Sets the captions of the current language.
    void ApplyLanguage();
    // Focuses the file list (the main window's Focus project).
    void focusFiles();

    void newProject();
    void openProject();
    bool saveProject(); // false when nothing was written
    void openFiles();
    void addFiles();
    void removeFiles();
    void addSnippet();
    void removeSnippet();
    void copySnippet();
    void selectAllFiles();

    QListWidget *fileList = nullptr;
    QListWidget *snippetList = nullptr;
    QLabel *projectLabel = nullptr;

    QPushButton *newButton = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *exitButton = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *addFilesButton = nullptr;
    QPushButton *removeFilesButton = nullptr;
    QPushButton *openFilesButton = nullptr;
    QPushButton *selectAllButton = nullptr;
    QPushButton *fileHelpButton = nullptr;
    QPushButton *addSnippetButton = nullptr;
    QPushButton *removeSnippetButton = nullptr;
    QPushButton *copySnippetButton = nullptr;
    QPushButton *snippetHelpButton = nullptr;

Q_SIGNALS:
    void closed();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *mnemonicButton(const QKeyEvent *key) const;
    bool askBeforeDiscarding();
    void load(const ProjectData &project);
    void refreshStatus();
    void setProjectCommandsEnabled(bool enabled);
    void setModified(bool modified) { m_modified = modified; }

    EditorWindows &m_windows;
    QString m_projectName;
    bool m_modified = false;
};
