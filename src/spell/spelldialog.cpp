#include "spell/spelldialog.h"

#include "platform/prompts.h"
#include "spell/spelloptionsdialog.h"
#include "spell/spellsession.h"
#include "spell/spelltexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TSpellDialog::TSpellDialog(SpellSession &session, int lang, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_lang(lang)
{
    setObjectName(QStringLiteral("spellform"));
    setWindowTitle(QStringLiteral("Spell check"));

    auto label = [this](const char *name, const char *caption) {
        auto *l = new QLabel(QString::fromUtf8(caption), this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    notfoundlabel = label("notfoundlabel", "Not Found:");
    wordedit = new QLineEdit(this);
    wordedit->setObjectName(QStringLiteral("wordedit"));
    wordedit->setReadOnly(true);
    QLabel *replacelabel = label("replacelabel", "Replace With:");
    replaceedit = new QLineEdit(this);
    replaceedit->setObjectName(QStringLiteral("replaceedit"));
    replacelabel->setBuddy(replaceedit);
    QLabel *suggestlabel = label("suggestlabel", "Suggestions:");
    suggestlist = new QListWidget(this);
    suggestlist->setObjectName(QStringLiteral("suggestlist"));
    suggestlabel->setBuddy(suggestlist);

    ignorebutton = addButton("ignorebutton", "I&gnore", &TSpellDialog::ignorebuttonClick);
    ignoreallbutton = addButton("ignoreallbutton", "&Ignore All", &TSpellDialog::ignoreallbuttonClick);
    changebutton = addButton("changebutton", "C&hange", &TSpellDialog::changebuttonClick);
    changeallbutton = addButton("changeallbutton", "&Change All", &TSpellDialog::changeallbuttonClick);
    addbutton = addButton("addbutton", "&Add", &TSpellDialog::addbuttonClick);
    suggestbutton = addButton("suggestbutton", "S&uggest", &TSpellDialog::suggestbuttonClick);
    undobutton = addButton("undobutton", "Undo &Last", &TSpellDialog::undobuttonClick);
    optionsbutton = addButton("optionsbutton", "&Options", &TSpellDialog::optionsbuttonClick);
    cancelbutton = addButton("cancelbutton", "Cancel", &TSpellDialog::reject);
    changebutton->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(notfoundlabel, 0, 0);
    grid->addWidget(wordedit, 1, 0);
    grid->addWidget(replacelabel, 2, 0);
    grid->addWidget(replaceedit, 3, 0);
    grid->addWidget(suggestlabel, 4, 0);
    grid->addWidget(suggestlist, 5, 0, 6, 1);
    const QList<QPair<QPushButton *, QPushButton *>> rows = {
        {ignorebutton, ignoreallbutton}, {changebutton, changeallbutton}, {addbutton, suggestbutton},
        {undobutton, optionsbutton},     {cancelbutton, nullptr},
    };
    int row = 1;
    for (const auto &[left, right] : rows) {
        grid->addWidget(left, row, 1);
        if (right)
            grid->addWidget(right, row, 2);
        row += 2;
    }
    grid->setRowStretch(10, 1);
    grid->setColumnStretch(0, 1);
    resize(520, 300);

    connect(suggestlist, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            replaceedit->setText(text);
    });
    connect(suggestlist, &QListWidget::itemDoubleClicked, this, &TSpellDialog::changebuttonClick);

    applyCaptions(this, SpellCaptions, lang);
}

QPushButton *TSpellDialog::addButton(const char *name, const char *caption, void (TSpellDialog::*handler)())
{
    auto *button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TSpellDialog::showFinding()
{
    if (m_session.atEnd()) {
        accept();
        return;
    }
    const SpellFinding &finding = m_session.current();
    const bool notFound = finding.kind == SpellFinding::Kind::NotFound;
    const bool repeated = finding.kind == SpellFinding::Kind::Repeated;
    notfoundlabel->setText(pick(notFound ? NotFoundLabel : repeated ? RepeatedLabel : TwoCapitalsLabel, m_lang));
    wordedit->setText(finding.word);
    fillSuggestions(m_session.proposals());
    if (suggestlist->count() == 0)
        replaceedit->setText(repeated ? QString() : finding.word);
    ignoreallbutton->setEnabled(!repeated);
    changeallbutton->setEnabled(!repeated);
    addbutton->setEnabled(notFound);
    suggestbutton->setEnabled(!repeated);
    undobutton->setEnabled(m_session.canUndo());
    replaceedit->setFocus();
    replaceedit->selectAll();
    Q_EMIT findingShown(finding.start, finding.length);
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
    TSpellOptionsDialog dialog(m_session.options(), m_lang, this);
    if (Prompts::runDialog(dialog) != QDialog::Accepted || dialog.options() == m_session.options())
        return;
    m_session.setOptions(dialog.options());
    Q_EMIT optionsChanged(dialog.options());
    showFinding();
}
