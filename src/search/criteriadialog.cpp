#include "search/criteriadialog.h"

#include "editor/dialoghelpers.h"
#include "editor/dialogrunner.h"
#include "settings/commoncaptions.h"
#include "settings/settings.h"

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

template<typename T>
T *named(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

TCriteriaDialog::TCriteriaDialog(const char *name, const CaptionTable &captions, bool closeBox, QWidget *parent)
    : QDialog(parent)
    , m_captions(captions)
{
    setObjectName(QLatin1String(name));

    Label1 = named<QLabel>(this, "Label1");
    crit = named<QLineEdit>(this, "crit");
    Label1->setBuddy(crit);
    uplow = named<QCheckBox>(this, "uplow");

    auto *scope = new QGroupBox(this);
    local = named<QRadioButton>(scope, "local");
    global = named<QRadioButton>(scope, "global");
    allfiles = named<QRadioButton>(scope, "allfiles");
    auto *scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(local);
    scopeLayout->addWidget(global);
    scopeLayout->addWidget(allfiles);

    // The captions come with the language as the dialog is shown.
    okbutton = DialogHelpers::button(this, "okbutton", "");
    okbutton->setDefault(true);
    cancelbutton = DialogHelpers::button(this, "cancelbutton", "");
    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "");

    m_fields = new QGridLayout;
    m_fields->addWidget(Label1, 0, 0);
    m_fields->addWidget(crit, 0, 1);
    m_fields->setColumnMinimumWidth(1, 260);
    auto *choices = new QVBoxLayout;
    choices->addLayout(m_fields);
    choices->addWidget(uplow);
    choices->addWidget(scope);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(okbutton);
    buttons->addWidget(cancelbutton);
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, closeBox);

    connect(crit, &QLineEdit::textChanged, this, &TCriteriaDialog::critChange);
    connect(okbutton, &QPushButton::clicked, this, &TCriteriaDialog::okbuttonClick);
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
}

void TCriteriaDialog::addField(QLabel *label, QLineEdit *edit)
{
    const int row = m_fields->rowCount();
    label->setBuddy(edit);
    setTabOrder(crit, edit);
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
    local->setEnabled(inSelection);
    (inSelection ? local : global)->setChecked(true);
    okbutton->setEnabled(false);
    m_confirmed = false;
    crit->setFocus();
}

void TCriteriaDialog::critChange()
{
    okbutton->setEnabled(!crit->text().isEmpty());
}

void TCriteriaDialog::okbuttonClick()
{
    storeCriteria();
    m_confirmed = true;
    accept();
}
