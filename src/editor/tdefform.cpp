#include "editor/tdefform.h"

#include "editor/definedtagtext.h"
#include "settings/commoncaptions.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

const CaptionTable TdefformCaptions{"defined tag dialog", {
    {"Label1", {"Def Nr.", "Def Nr.", "Def Nr."}},
    {"Label3", {"Title:", "Titel", "Titel"}},
    {"openlabel", {"Opening tag", "Åbnings tag", "Öffnungstag"}},
    {"closelabel", {"Closing tag", "Lukke tag", "Schliestag"}},
    {"inlinebutton", {"InLine", "iLinje", "InLinie"}},
    {"onelinebutton", {"OneLine", "EnLinje", "EinLinie"}},
    {"sectionbutton", {"Section", "Sektion", "Sektion"}},
    {"helpbutton", CommonCaptions::Help},
    {"cancelbutton", CommonCaptions::Cancel},
    {"savebutton", CommonCaptions::Save},
    {"donebutton", {"&Done", "&Færdig", "&Fertig"}},
    {"Memo1",
     {"Make sure to place the cursor where you want it to appear BEFORE saving the tag",
      "Husk at placere markøren hvor du vil ha' den til at være FØR du gemmer tag'et",
      "Immer den Markör dort plazieren wo Sie den haben wollen BEVOR Sie speichern"}},
}};

namespace {

constexpr int EditWidth = 320;

} // namespace

Tdefform::Tdefform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdefform"));
    setNameCaption(this, QStringLiteral("Markvale PRO"));

    auto *layout = new QVBoxLayout(this);
    auto *number = new QHBoxLayout;
    slotLabel = DialogHelpers::label(this, "Label1", "Def Nr.");
    slotBox = named<QSpinBox>("updown1", this);
    slotBox->setRange(0, 9);
    slotBox->setValue(0);
    slotLabel->setBuddy(slotBox);
    slotNumberLabel = DialogHelpers::label(this, "Label2", "0");
    QFont large = slotNumberLabel->font();
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    slotNumberLabel->setFont(large);
    number->addWidget(slotLabel);
    number->addWidget(slotBox);
    number->addSpacing(16);
    number->addWidget(slotNumberLabel);
    number->addStretch();
    layout->addLayout(number);

    auto *fields = new QGridLayout;
    titleLabel = DialogHelpers::label(this, "Label3", "Title:");
    titleEdit = DialogHelpers::lineEdit(this, "Edit1", EditWidth);
    openLabel = DialogHelpers::label(this, "openlabel", "Opening tag");
    openEdit = DialogHelpers::lineEdit(this, "Edit2", EditWidth);
    closeLabel = DialogHelpers::label(this, "closelabel", "Closing tag");
    closeEdit = DialogHelpers::lineEdit(this, "Edit3", EditWidth);
    titleLabel->setBuddy(titleEdit);
    openLabel->setBuddy(openEdit);
    closeLabel->setBuddy(closeEdit);
    fields->addWidget(titleLabel, 0, 0);
    fields->addWidget(titleEdit, 0, 1);
    fields->addWidget(openLabel, 1, 0);
    fields->addWidget(openEdit, 1, 1);
    fields->addWidget(closeLabel, 2, 0);
    fields->addWidget(closeEdit, 2, 1);
    layout->addLayout(fields);

    caretNote = DialogHelpers::label(this, "Memo1",
                                     "Make sure to place the cursor where you want it to appear BEFORE saving the tag");
    caretNote->setWordWrap(true);
    caretNote->setForegroundRole(QPalette::Dark);
    layout->addWidget(caretNote);

    inlineButton = named<QRadioButton>("inlinebutton", QStringLiteral("InLine"), this);
    oneLineButton = named<QRadioButton>("onelinebutton", QStringLiteral("OneLine"), this);
    sectionButton = named<QRadioButton>("sectionbutton", QStringLiteral("Section"), this);
    inlineButton->setChecked(true);
    QHBoxLayout *kinds = DialogHelpers::buttonRow({inlineButton, oneLineButton, sectionButton}, {});
    layout->addLayout(kinds);

    helpButton = DialogHelpers::button(this, "helpbutton", "&Help");
    cancelButton = DialogHelpers::button(this, "cancelbutton", "&Cancel");
    saveButton = DialogHelpers::button(this, "savebutton", "&Save");
    doneButton = DialogHelpers::button(this, "donebutton", "&Done");
    doneButton->setDefault(true);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({helpButton}, {cancelButton, saveButton, doneButton});
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveButton, &QPushButton::clicked, this, &Tdefform::saveSlot);
    connect(doneButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(slotBox, &QSpinBox::valueChanged, this, &Tdefform::showSlot);

    FormShow();
}

void Tdefform::FormShow()
{
    showSlot(0);
    applyCaptions(this, TdefformCaptions, settings().Lang);
}

void Tdefform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogHelpers::centreOnScreen(this);
}

void Tdefform::showSlot(int slot)
{
    if (slot < 0 || slot >= DefinedTagCount)
        return;
    const DefinedTag &tag = settings().DefinedTags[size_t(slot)];
    slotNumberLabel->setText(QString::number(slot));
    titleEdit->setText(tag.DefTitle);
    openEdit->setText(tag.DefOpen);
    closeEdit->setText(tag.DefClose);
    // A kind from a foreign settings file shows as the first one.
    switch (tag.DefStat) {
    case DefinedTagText::OneLine:
        oneLineButton->setChecked(true);
        break;
    case DefinedTagText::Section:
        sectionButton->setChecked(true);
        break;
    default:
        inlineButton->setChecked(true);
        break;
    }
}

void Tdefform::saveSlot()
{
    const int slot = slotBox->value();
    DefinedTag &tag = settings().DefinedTags[size_t(slot)];
    tag.DefTitle = titleEdit->text();
    tag.DefOpen = openEdit->text();
    tag.DefClose = closeEdit->text();
    const DefinedTagText::Kind kind = oneLineButton->isChecked() ? DefinedTagText::OneLine
                                      : sectionButton->isChecked() ? DefinedTagText::Section
                                                                   : DefinedTagText::InLine;
    tag.DefStat = kind;
    tag.DefBack = DefinedTagText::back(kind, tag.DefOpen, tag.DefClose, openEdit->cursorPosition());
    SaveDefinedTag(slot);
}
