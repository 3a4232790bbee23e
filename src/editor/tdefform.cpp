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
    Label1 = DialogHelpers::label(this, "Label1", "Def Nr.");
    updown1 = named<QSpinBox>("updown1", this);
    updown1->setRange(0, 9);
    updown1->setValue(0);
    Label1->setBuddy(updown1);
    Label2 = DialogHelpers::label(this, "Label2", "0");
    QFont large = Label2->font();
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    Label2->setFont(large);
    number->addWidget(Label1);
    number->addWidget(updown1);
    number->addSpacing(16);
    number->addWidget(Label2);
    number->addStretch();
    layout->addLayout(number);

    auto *fields = new QGridLayout;
    Label3 = DialogHelpers::label(this, "Label3", "Title:");
    Edit1 = DialogHelpers::lineEdit(this, "Edit1", EditWidth);
    openlabel = DialogHelpers::label(this, "openlabel", "Opening tag");
    Edit2 = DialogHelpers::lineEdit(this, "Edit2", EditWidth);
    closelabel = DialogHelpers::label(this, "closelabel", "Closing tag");
    Edit3 = DialogHelpers::lineEdit(this, "Edit3", EditWidth);
    Label3->setBuddy(Edit1);
    openlabel->setBuddy(Edit2);
    closelabel->setBuddy(Edit3);
    fields->addWidget(Label3, 0, 0);
    fields->addWidget(Edit1, 0, 1);
    fields->addWidget(openlabel, 1, 0);
    fields->addWidget(Edit2, 1, 1);
    fields->addWidget(closelabel, 2, 0);
    fields->addWidget(Edit3, 2, 1);
    layout->addLayout(fields);

    Memo1 = DialogHelpers::label(this, "Memo1",
                  "Make sure to place the cursor where you want it to appear BEFORE saving the tag");
    Memo1->setWordWrap(true);
    Memo1->setForegroundRole(QPalette::Dark);
    layout->addWidget(Memo1);

    inlinebutton = named<QRadioButton>("inlinebutton", QStringLiteral("InLine"), this);
    onelinebutton = named<QRadioButton>("onelinebutton", QStringLiteral("OneLine"), this);
    sectionbutton = named<QRadioButton>("sectionbutton", QStringLiteral("Section"), this);
    inlinebutton->setChecked(true);
    QHBoxLayout *kinds = DialogHelpers::buttonRow({inlinebutton, onelinebutton, sectionbutton}, {});
    layout->addLayout(kinds);

    helpbutton = DialogHelpers::button(this, "helpbutton", "&Help");
    cancelbutton = DialogHelpers::button(this, "cancelbutton", "&Cancel");
    savebutton = DialogHelpers::button(this, "savebutton", "&Save");
    donebutton = DialogHelpers::button(this, "donebutton", "&Done");
    donebutton->setDefault(true);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({helpbutton}, {cancelbutton, savebutton, donebutton});
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    connect(helpbutton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(savebutton, &QPushButton::clicked, this, &Tdefform::savebuttonClick);
    connect(donebutton, &QPushButton::clicked, this, &QDialog::accept);
    connect(updown1, &QSpinBox::valueChanged, this, &Tdefform::showSlot);

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
    Label2->setText(QString::number(slot));
    Edit1->setText(tag.DefTitle);
    Edit2->setText(tag.DefOpen);
    Edit3->setText(tag.DefClose);
    // A kind from a foreign settings file shows as the first one.
    switch (tag.DefStat) {
    case DefinedTagText::OneLine:
        onelinebutton->setChecked(true);
        break;
    case DefinedTagText::Section:
        sectionbutton->setChecked(true);
        break;
    default:
        inlinebutton->setChecked(true);
        break;
    }
}

void Tdefform::savebuttonClick()
{
    const int slot = updown1->value();
    DefinedTag &tag = settings().DefinedTags[size_t(slot)];
    tag.DefTitle = Edit1->text();
    tag.DefOpen = Edit2->text();
    tag.DefClose = Edit3->text();
    const DefinedTagText::Kind kind = onelinebutton->isChecked() ? DefinedTagText::OneLine
                                      : sectionbutton->isChecked() ? DefinedTagText::Section
                                                                   : DefinedTagText::InLine;
    tag.DefStat = kind;
    tag.DefBack = DefinedTagText::back(kind, tag.DefOpen, tag.DefClose, Edit2->cursorPosition());
    SaveDefinedTag(slot);
}
