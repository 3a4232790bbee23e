#include "search/criteriadialog.h"

#include "settings/commoncaptions.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int HelpTopic = 2500;

const CaptionTable SharedCaptions{"search and replace dialogs", {
    {"Label1", {"Look for :", "Søg efter:", "Suche nach :"}},
    {"local", {"Selected", "Valgt tekst", "Gewählten Text"}},
    {"global", {"Global", "Globalt", "Alles"}},
    {"allfiles", {"All opened files", "Alle åbne filer", "Alle geöffneten Dateien"}},
    {"cancelbutton", CommonCaptions::Cancel},
    {"BitBtn1", CommonCaptions::Help},
    {"okbutton", CommonCaptions::Ok},
}};

} // namespace

TCriteriaDialog::TCriteriaDialog(const char *name, const CaptionTable &captions, bool closeBox, QWidget *parent)
    : QDialog(parent)
    , m_captions(captions)
{
    setObjectName(QLatin1String(name));

    searchLabel = named<QLabel>("Label1", this);
    searchEdit = named<QLineEdit>("crit", this);
    searchLabel->setBuddy(searchEdit);
    matchCaseBox = named<QCheckBox>("uplow", this);

    auto *scope = new QGroupBox(this);
    selectedButton = named<QRadioButton>("local", scope);
    globalButton = named<QRadioButton>("global", scope);
    allFilesButton = named<QRadioButton>("allfiles", scope);
    auto *scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(selectedButton);
    scopeLayout->addWidget(globalButton);
    scopeLayout->addWidget(allFilesButton);

    // The captions come with the language as the dialog is shown.
    okButton = DialogHelpers::button(this, "okbutton", "");
    okButton->setDefault(true);
    cancelButton = DialogHelpers::button(this, "cancelbutton", "");
    helpButton = DialogHelpers::button(this, "BitBtn1", "");

    m_fields = new QGridLayout;
    m_fields->addWidget(searchLabel, 0, 0);
    m_fields->addWidget(searchEdit, 0, 1);
    m_fields->setColumnMinimumWidth(1, 260);
    auto *choices = new QVBoxLayout;
    choices->addLayout(m_fields);
    choices->addWidget(matchCaseBox);
    choices->addWidget(scope);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, closeBox);

    connect(searchEdit, &QLineEdit::textChanged, this, &TCriteriaDialog::updateOk);
    connect(okButton, &QPushButton::clicked, this, &TCriteriaDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
}

void TCriteriaDialog::addField(QLabel *label, QLineEdit *edit)
{
    const int row = m_fields->rowCount();
    label->setBuddy(edit);
    setTabOrder(searchEdit, edit);
    m_fields->addWidget(label, row, 0);
    m_fields->addWidget(edit, row, 1);
}

void TCriteriaDialog::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TCriteriaDialog::FormShow()
{
    // With no language chosen the design captions, the English ones, stay.
    const int lang = settings().Lang;
    const int shown = lang == Danish || lang == German ? lang : English;
    applyCaptions(this, {&SharedCaptions, &m_captions}, shown);
    const bool inSelection = presetInSelection();
    selectedButton->setEnabled(inSelection);
    (inSelection ? selectedButton : globalButton)->setChecked(true);
    okButton->setEnabled(false);
    m_confirmed = false;
    searchEdit->setFocus();
}

void TCriteriaDialog::updateOk()
{
    okButton->setEnabled(!searchEdit->text().isEmpty());
}

void TCriteriaDialog::confirm()
{
    storeCriteria();
    m_confirmed = true;
    accept();
}
