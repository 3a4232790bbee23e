#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

// The configuration dialog: starting directories, editor font, preferences
// and language. OK applies to the running program only; Default also stores.
class Tconfigform : public QDialog
{
    Q_OBJECT

public:
    // hint writes a text into the main window's hint panel.
    explicit Tconfigform(std::function<void(const QString &)> hint, QWidget *parent = nullptr);

    // Sets the captions of the current language and fills the controls from
    // the settings record.
    void FormShow();

    QTabWidget *pages = nullptr;
    QLineEdit *openFolderEdit = nullptr;
    QLineEdit *saveFolderEdit = nullptr;
    QLineEdit *textFolderEdit = nullptr;
    QPushButton *openFolderButton = nullptr; // the "..." beside each folder
    QPushButton *saveFolderButton = nullptr;
    QPushButton *textFolderButton = nullptr;
    QFontComboBox *fontBox = nullptr;
    QLabel *missingFontLabel = nullptr; // beside a stored font that is not installed
    QSpinBox *fontSizeBox = nullptr;
    QCheckBox *colorCodingBox = nullptr;
    QCheckBox *tagTemplatesBox = nullptr;
    QCheckBox *autoSaveBox = nullptr;
    QCheckBox *wordWrapBox = nullptr;
    QRadioButton *englishButton = nullptr;
    QRadioButton *danishButton = nullptr;
    QRadioButton *germanButton = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *defaultButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *helpButton = nullptr;

    void applyAndClose();
    void applyAndStore();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildDirectoriesPage();
    QWidget *buildFontPage();
    QWidget *buildPreferencesPage();
    QWidget *buildLanguagePage();
    void showFont(const QString &family);
    void browse(QLineEdit *field, const QString &prompt);
    void applyToSettings();

    std::function<void(const QString &)> m_hint;
    QWidget *m_dirsheet = nullptr;
    bool m_fontPicked = false;
};
