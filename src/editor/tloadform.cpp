#include "editor/tloadform.h"

#include "editor/editortexts.h"
#include "platform/textfile.h"
#include "settings/commoncaptions.h"
#include "settings/messagetable.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "ui/prompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A text to pick from is small; a file this large is not one.
constexpr qint64 MaxPickerBytes = Q_INT64_C(32) * 1024 * 1024;

const MessageTable Table{"text picker"};

const Message PickerFilter{Table,
                           {"Text files|*.txt|Rich text files|*.rtf|All files|*.*",
                            "Tekst filer|*.txt|Rich text filer|*.rtf|Alle filer|*.*",
                            "Text Dateien|*.txt|Rich Text Dateien|*.rtf|Alle Dateien|*.*"}};

} // namespace

const CaptionTable TloadformCaptions{"text picker", {
    {"Tloadform", {"Insert from text file", "Indsæt fra tekst fil", "Vom Text Datei einfügen"}},
    {"Label1",
     {"\"Highlight\" the part you want to insert, then click \"Ok\"",
      "\"Highlight\" den del du vil indsætte og klik \"Ok\"",
      "\"Wähle\" den Teil zum einfügen, dann drücken Sie \"Ok\""}},
    {"BitBtn4", CommonCaptions::Help},
    {"BitBtn3", {"Open &file", "Åben &fil", "Datei &Öffnen"}},
    {"BitBtn2", CommonCaptions::Cancel},
    {"BitBtn1", CommonCaptions::Ok},
}};

Tloadform::Tloadform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tloadform"));
    setDesignCaption(this, "Insert from text file");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(560, 420);

    auto *layout = new QVBoxLayout(this);
    textMemo = named<QPlainTextEdit>("Memo1", this);
    textMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textMemo->setUndoRedoEnabled(false);
    layout->addWidget(textMemo, 1);

    hintLabel = new QLabel(QStringLiteral("\"Highlight\" the part you want to insert, then click \"Ok\""),
                           this);
    hintLabel->setObjectName(QStringLiteral("Label1"));
    QFont labelFont(QStringLiteral("Times New Roman"));
    labelFont.setPixelSize(13);
    hintLabel->setFont(labelFont);
    layout->addWidget(hintLabel);

    helpButton = DialogHelpers::button(this, "BitBtn4", "&Help");
    openFileButton = DialogHelpers::button(this, "BitBtn3", "Open &file");
    cancelButton = DialogHelpers::button(this, "BitBtn2", "&Cancel");
    okButton = DialogHelpers::button(this, "BitBtn1", "&Ok");
    QHBoxLayout *buttons = DialogHelpers::buttonRow({helpButton, openFileButton}, {cancelButton, okButton});
    layout->addLayout(buttons);

    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
    connect(openFileButton, &QPushButton::clicked, this, &Tloadform::chooseFile);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // OK follows the memo's selection, however it was made.
    connect(textMemo, &QPlainTextEdit::selectionChanged, this, &Tloadform::updateOk);
    okButton->setEnabled(false);
}

QString Tloadform::filter() const
{
    return PickerFilter.text(settings().Lang);
}

void Tloadform::FormShow(const QString &lastFile)
{
    textMemo->clear();
    applyCaptions(this, TloadformCaptions, settings().Lang);
    okButton->setEnabled(false);
    if (!lastFile.isEmpty())
        loadFile(lastFile);
    else
        chooseFile();
}

void Tloadform::chooseFile()
{
    Prompts::FileDialog dialog;
    dialog.title = windowTitle();
    dialog.directory = settings().TextDir;
    dialog.filter = filter();
    dialog.helpContext = HelpTopic;
    const Prompts::FileResult chosen = Prompts::openFile(dialog);
    if (chosen.accepted())
        loadFile(chosen.path());
}

bool Tloadform::loadFile(const QString &path)
{
    textMemo->clear();
    const TextFile::DocumentResult file = TextFile::readDocument(path, MaxPickerBytes);
    if (!file.ok()) {
        // An unreadable file is not remembered, so the next time asks again.
        m_fileName.clear();
        Prompts::message(Prompts::Kind::Error, readErrorText(path, file.error, file.detail));
        updateOk();
        return false;
    }
    m_fileName = path;
    textMemo->setPlainText(file.text);
    updateOk();
    return true;
}

QString Tloadform::selectedText() const
{
    QString text = textMemo->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return text;
}

void Tloadform::updateOk()
{
    okButton->setEnabled(textMemo->textCursor().hasSelection());
}
