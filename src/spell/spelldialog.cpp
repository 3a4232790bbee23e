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

    notfoundlabel = DialogHelpers::label(this, "notfoundlabel", "Not Found:");
    markNotCaptioned(notfoundlabel); // says what the finding is, from the messages
    wordedit = named<QLineEdit>("wordedit", this);
    wordedit->setReadOnly(true);
    QLabel *replacelabel = DialogHelpers::label(this, "replacelabel", "Replace With:");
    replaceedit = named<QLineEdit>("replaceedit", this);
    replacelabel->setBuddy(replaceedit);
    QLabel *suggestlabel = DialogHelpers::label(this, "suggestlabel", "Suggestions:");
    suggestlist = named<QListWidget>("suggestlist", this);
    suggestlabel->setBuddy(suggestlist);

    ignorebutton = addButton("ignorebutton", "I&gnore", &TSpellDialog::ignorebuttonClick);
    ignoreallbutton = addButton("ignoreallbutton", "&Ignore All", &TSpellDialog::ignoreallbuttonClick);
    changebutton = addButton("changebutton", "C&hange", &TSpellDialog::changebuttonClick);
    changeallbutton = addButton("changeallbutton", "&Change All", &TSpellDialog::changeallbuttonClick);
    addbutton = addButton("addbutton", "&Add", &TSpellDialog::addbuttonClick);
    autocorrectbutton = addButton("autocorrectbutton", "Au&to-Correct", &TSpellDialog::autocorrectbuttonClick);
    suggestbutton = addButton("suggestbutton", "S&uggest", &TSpellDialog::suggestbuttonClick);
    startbutton = addButton("startbutton", "Start", &TSpellDialog::startbuttonClick);
    undobutton = addButton("undobutton", "Undo &Last", &TSpellDialog::undobuttonClick);
    optionsbutton = addButton("optionsbutton", "&Options", &TSpellDialog::optionsbuttonClick);
    deletebutton = addButton("deletebutton", "&Delete", &TSpellDialog::deletebuttonClick);
    helpbutton = addButton("helpbutton", "Hel&p", &TSpellDialog::helpbuttonClick);
    cancelbutton = addButton("cancelbutton", "Cancel", &TSpellDialog::reject);
    changebutton->setDefault(true);

    auto *fields = new QVBoxLayout;
    for (QWidget *field : {static_cast<QWidget *>(notfoundlabel), static_cast<QWidget *>(wordedit),
                           static_cast<QWidget *>(replacelabel), static_cast<QWidget *>(replaceedit),
                           static_cast<QWidget *>(suggestlabel)})
        fields->addWidget(field);
    fields->addWidget(suggestlist, 1);
    auto *buttons = new QGridLayout;
    const QList<QPair<QPushButton *, QPushButton *>> rows = {
        {ignorebutton, ignoreallbutton}, {changebutton, changeallbutton}, {addbutton, autocorrectbutton},
        {suggestbutton, startbutton},    {undobutton, optionsbutton},     {deletebutton, helpbutton},
        {cancelbutton, nullptr},
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

    connect(suggestlist, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            replaceedit->setText(text);
    });
    connect(suggestlist, &QListWidget::itemDoubleClicked, this, &TSpellDialog::changebuttonClick);
    connect(replaceedit, &QLineEdit::textChanged, this, &TSpellDialog::updateAutoCorrect);

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
    replaceedit->setEnabled(true);
    suggestlist->setEnabled(true);
    const SpellFinding &finding = m_session.current();
    const bool notFound = finding.kind == SpellFinding::Kind::NotFound;
    const bool repeated = finding.kind == SpellFinding::Kind::Repeated;
    notfoundlabel->setText((notFound ? NotFoundLabel : repeated ? RepeatedLabel : TwoCapitalsLabel).text(m_lang));
    wordedit->setText(finding.word);
    fillSuggestions(m_session.proposals());
    if (suggestlist->count() == 0)
        replaceedit->setText(repeated ? QString() : finding.word);
    ignorebutton->setEnabled(true);
    changebutton->setEnabled(true);
    changebutton->setDefault(true);
    deletebutton->setEnabled(true);
    optionsbutton->setEnabled(true);
    ignoreallbutton->setEnabled(!repeated);
    changeallbutton->setEnabled(!repeated);
    addbutton->setEnabled(notFound);
    suggestbutton->setEnabled(!repeated);
    updateAutoCorrect();
    undobutton->setEnabled(m_session.canUndo());
    replaceedit->setFocus();
    replaceedit->selectAll();
    Q_EMIT findingShown(finding.start, finding.length);
}

// An auto-correction needs a replacement that differs from the word; a
// repeated word is a matter of this place only.
void TSpellDialog::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    notfoundlabel->setText(StoppedLabel.text(m_lang));
    wordedit->clear();
    replaceedit->clear();
    suggestlist->clear();
    for (QWidget *answer : std::initializer_list<QWidget *>{
             replaceedit, suggestlist, ignorebutton, ignoreallbutton, changebutton, changeallbutton, addbutton,
             autocorrectbutton, suggestbutton, undobutton, optionsbutton, deletebutton})
        answer->setEnabled(false);
    startbutton->setDefault(true);
    startbutton->setFocus();
}

void TSpellDialog::updateAutoCorrect()
{
    const QString replacement = replaceedit->text();
    autocorrectbutton->setEnabled(!m_stopped && !m_session.atEnd() && m_session.canAutoCorrect()
                                  && m_session.current().kind != SpellFinding::Kind::Repeated
                                  && !replacement.trimmed().isEmpty() && replacement != m_session.current().word);
}

void TSpellDialog::fillSuggestions(const QStringList &words)
{
    suggestlist->clear();
    suggestlist->addItems(words);
    // The first suggestion is the one offered.
    if (!words.isEmpty())
        suggestlist->setCurrentRow(0);
}

void TSpellDialog::changeallbuttonClick()
{
    m_session.changeAll(replaceedit->text());
    showFinding();
}

void TSpellDialog::changebuttonClick()
{
    m_session.change(replaceedit->text());
    showFinding();
}

void TSpellDialog::ignoreallbuttonClick()
{
    m_session.ignoreAll();
    showFinding();
}

void TSpellDialog::ignorebuttonClick()
{
    m_session.ignore();
    showFinding();
}

void TSpellDialog::addbuttonClick()
{
    if (!m_session.add())
        Q_EMIT userWordsNotSaved();
    showFinding();
}

void TSpellDialog::autocorrectbuttonClick()
{
    if (!m_session.autoCorrect(replaceedit->text()))
        Q_EMIT autoCorrectionsNotSaved();
    showFinding();
}

void TSpellDialog::startbuttonClick()
{
    m_session.restart();
    showFinding();
}

void TSpellDialog::deletebuttonClick()
{
    m_session.deleteCurrent();
    showFinding();
}

void TSpellDialog::helpbuttonClick()
{
    DialogRunner::showHelp(SpellCheckHelp);
}

void TSpellDialog::suggestbuttonClick()
{
    const QString typed = replaceedit->text().trimmed();
    fillSuggestions(m_session.suggestions(typed.isEmpty() ? m_session.current().word : typed));
}

void TSpellDialog::undobuttonClick()
{
    m_session.undoLast();
    showFinding();
}

void TSpellDialog::optionsbuttonClick()
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
