#include "spell/spelldialog.h"

#include "spell/spelloptionsdialog.h"
#include "spell/spellsession.h"
#include "spell/spelltexts.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "ui/prompts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int SpellCheckHelp = 4300;

} // namespace

TSpellDialog::TSpellDialog(SpellSession &session, int lang, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_lang(lang)
{
    setObjectName(QStringLiteral("spellform"));
    setDesignCaption(this, "Spell check");

    findingLabel = DialogHelpers::label(this, "notfoundlabel", "Not Found:");
    markNotCaptioned(findingLabel); // says what the finding is, from the messages
    wordEdit = named<QLineEdit>("wordedit", this);
    wordEdit->setReadOnly(true);
    QLabel *replacelabel = DialogHelpers::label(this, "replacelabel", "Replace With:");
    replaceEdit = named<QLineEdit>("replaceedit", this);
    replacelabel->setBuddy(replaceEdit);
    QLabel *suggestlabel = DialogHelpers::label(this, "suggestlabel", "Suggestions:");
    suggestionList = named<QListWidget>("suggestlist", this);
    suggestlabel->setBuddy(suggestionList);

    ignoreButton = addButton("ignorebutton", "I&gnore", &TSpellDialog::ignore);
    ignoreAllButton = addButton("ignoreallbutton", "&Ignore All", &TSpellDialog::ignoreAll);
    changeButton = addButton("changebutton", "C&hange", &TSpellDialog::change);
    changeAllButton = addButton("changeallbutton", "&Change All", &TSpellDialog::changeAll);
    addWordButton = addButton("addbutton", "&Add", &TSpellDialog::addWord);
    autoCorrectButton = addButton("autocorrectbutton", "Au&to-Correct", &TSpellDialog::addAutoCorrection);
    suggestButton = addButton("suggestbutton", "S&uggest", &TSpellDialog::suggest);
    startButton = addButton("startbutton", "Start", &TSpellDialog::restart);
    undoButton = addButton("undobutton", "Undo &Last", &TSpellDialog::undoLast);
    optionsButton = addButton("optionsbutton", "&Options", &TSpellDialog::editOptions);
    deleteButton = addButton("deletebutton", "&Delete", &TSpellDialog::deleteWord);
    helpButton = addButton("helpbutton", "Hel&p", &TSpellDialog::showHelp);
    cancelButton = addButton("cancelbutton", "Cancel", &TSpellDialog::reject);
    changeButton->setDefault(true);

    auto *fields = new QVBoxLayout;
    for (QWidget *field : {static_cast<QWidget *>(findingLabel), static_cast<QWidget *>(wordEdit),
                           static_cast<QWidget *>(replacelabel), static_cast<QWidget *>(replaceEdit),
                           static_cast<QWidget *>(suggestlabel)})
        fields->addWidget(field);
    fields->addWidget(suggestionList, 1);
    auto *buttons = new QGridLayout;
    const QList<QPair<QPushButton *, QPushButton *>> rows = {
        {ignoreButton, ignoreAllButton}, {changeButton, changeAllButton}, {addWordButton, autoCorrectButton},
        {suggestButton, startButton},    {undoButton, optionsButton},     {deleteButton, helpButton},
        {cancelButton, nullptr},
    };
    int row = 0;
    for (const auto &[left, right] : rows) {
        buttons->addWidget(left, row, 0);
        if (right)
            buttons->addWidget(right, row, 1);
        ++row;
    }
    buttons->setRowStretch(row, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    resize(540, 320);

    connect(suggestionList, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            replaceEdit->setText(text);
    });
    connect(suggestionList, &QListWidget::itemDoubleClicked, this, &TSpellDialog::change);
    connect(replaceEdit, &QLineEdit::textChanged, this, &TSpellDialog::updateAutoCorrect);

    applyCaptions(this, SpellCaptions, lang);
}

QPushButton *TSpellDialog::addButton(const char *name, const char *caption, void (TSpellDialog::*handler)())
{
    QPushButton *button = DialogHelpers::button(this, name, caption);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TSpellDialog::showFinding()
{
    if (m_session.atEnd()) {
        accept();
        return;
    }
    m_stopped = false;
    replaceEdit->setEnabled(true);
    suggestionList->setEnabled(true);
    const SpellFinding &finding = m_session.current();
    const bool notFound = finding.kind == SpellFinding::Kind::NotFound;
    const bool repeated = finding.kind == SpellFinding::Kind::Repeated;
    findingLabel->setText((notFound ? NotFoundLabel : repeated ? RepeatedLabel : TwoCapitalsLabel).text(m_lang));
    wordEdit->setText(finding.word);
    fillSuggestions(m_session.proposals());
    if (suggestionList->count() == 0)
        replaceEdit->setText(repeated ? QString() : finding.word);
    ignoreButton->setEnabled(true);
    changeButton->setEnabled(true);
    changeButton->setDefault(true);
    deleteButton->setEnabled(true);
    optionsButton->setEnabled(true);
    ignoreAllButton->setEnabled(!repeated);
    changeAllButton->setEnabled(!repeated);
    addWordButton->setEnabled(notFound);
    suggestButton->setEnabled(!repeated);
    updateAutoCorrect();
    undoButton->setEnabled(m_session.canUndo());
    replaceEdit->setFocus();
    replaceEdit->selectAll();
    Q_EMIT findingShown(finding.start, finding.length);
}

// An auto-correction needs a replacement that differs from the word; a
// repeated word is a matter of this place only.
void TSpellDialog::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    findingLabel->setText(StoppedLabel.text(m_lang));
    wordEdit->clear();
    replaceEdit->clear();
    suggestionList->clear();
    for (QWidget *answer : std::initializer_list<QWidget *>{
             replaceEdit, suggestionList, ignoreButton, ignoreAllButton, changeButton, changeAllButton, addWordButton,
             autoCorrectButton, suggestButton, undoButton, optionsButton, deleteButton})
        answer->setEnabled(false);
    startButton->setDefault(true);
    startButton->setFocus();
}

void TSpellDialog::updateAutoCorrect()
{
    const QString replacement = replaceEdit->text();
    autoCorrectButton->setEnabled(!m_stopped && !m_session.atEnd() && m_session.canAutoCorrect()
                                  && m_session.current().kind != SpellFinding::Kind::Repeated
                                  && !replacement.trimmed().isEmpty() && replacement != m_session.current().word);
}

void TSpellDialog::fillSuggestions(const QStringList &words)
{
    suggestionList->clear();
    suggestionList->addItems(words);
    // The first suggestion is the one offered.
    if (!words.isEmpty())
        suggestionList->setCurrentRow(0);
}

void TSpellDialog::changeAll()
{
    m_session.changeAll(replaceEdit->text());
    showFinding();
}

void TSpellDialog::change()
{
    m_session.change(replaceEdit->text());
    showFinding();
}

void TSpellDialog::ignoreAll()
{
    m_session.ignoreAll();
    showFinding();
}

void TSpellDialog::ignore()
{
    m_session.ignore();
    showFinding();
}

void TSpellDialog::addWord()
{
    if (!m_session.add())
        Q_EMIT userWordsNotSaved();
    showFinding();
}

void TSpellDialog::addAutoCorrection()
{
    if (!m_session.autoCorrect(replaceEdit->text()))
        Q_EMIT autoCorrectionsNotSaved();
    showFinding();
}

void TSpellDialog::restart()
{
    m_session.restart();
    showFinding();
}

void TSpellDialog::deleteWord()
{
    m_session.deleteCurrent();
    showFinding();
}

void TSpellDialog::showHelp()
{
    DialogRunner::showHelp(SpellCheckHelp);
}

void TSpellDialog::suggest()
{
    const QString typed = replaceEdit->text().trimmed();
    fillSuggestions(m_session.suggestions(typed.isEmpty() ? m_session.current().word : typed));
}

void TSpellDialog::undoLast()
{
    m_session.undoLast();
    showFinding();
}

void TSpellDialog::editOptions()
{
    TSpellOptionsDialog dialog(m_session.options(), m_session.autoCorrections(), m_lang, this);
    if (Prompts::runDialog(dialog) != QDialog::Accepted)
        return;
    if (dialog.autoCorrectionsCleared() && !m_session.clearAutoCorrections())
        Q_EMIT autoCorrectionsNotSaved();
    if (dialog.options() != m_session.options()) {
        m_session.setOptions(dialog.options());
        Q_EMIT optionsChanged(dialog.options());
    }
    showFinding();
}
