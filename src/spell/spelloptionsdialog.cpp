#include "spell/spelloptionsdialog.h"

#include "spell/autocorrectlist.h"
#include "spell/spelltexts.h"
#include "ui/captions.h"
#include "ui/named.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TSpellOptionsDialog::TSpellOptionsDialog(const SpellOptions &options, const AutoCorrectList *autoCorrections,
                                         int lang, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("spelloptionsform"));
    setDesignCaption(this, "Spell check options");

    auto *ignoregroup = named<QGroupBox>("ignoregroup", QStringLiteral("Ignore"), this);
    new QVBoxLayout(ignoregroup);
    upperCaseBox = addBox(ignoregroup, "uppercasebox", "Words in &UPPER CASE", options.ignoreUpperCase);
    numbersBox = addBox(ignoregroup, "numbersbox", "Words with &numbers", options.ignoreWithNumbers);
    tagsBox = addBox(ignoregroup, "tagsbox", "HTML &tags", options.ignoreTags);
    addressesBox = addBox(ignoregroup, "addressesbox", "Internet and e-mail &addresses", options.ignoreAddresses);
    quotedBox = addBox(ignoregroup, "quotedbox", "&Quoted lines", options.ignoreQuotedLines);

    auto *checkgroup = named<QGroupBox>("checkgroup", QStringLiteral("Check"), this);
    new QVBoxLayout(checkgroup);
    automaticBox = addBox(checkgroup, "automaticbox", "Suggest a&utomatically", options.suggestAutomatically);
    mainOnlyBox = addBox(checkgroup, "mainonlybox", "Suggestions from the &main dictionary only",
                         options.suggestMainOnly);
    recheckBox = addBox(checkgroup, "recheckbox", "&Re-check replaced words", options.recheckReplaced);
    repeatedBox = addBox(checkgroup, "repeatedbox", "Report repeated &words", options.reportRepeated);
    capitalsBox = addBox(checkgroup, "capitalsbox", "Report two leading &capitals", options.reportTwoCapitals);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ignoregroup);
    layout->addWidget(checkgroup);
    layout->addWidget(autoCorrectGroup(autoCorrections));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    applyCaptions(this, SpellOptionsCaptions, lang);
}

QCheckBox *TSpellOptionsDialog::addBox(QWidget *group, const char *name, const char *caption, bool checked)
{
    auto *box = named<QCheckBox>(name, QString::fromUtf8(caption), group);
    box->setChecked(checked);
    group->layout()->addWidget(box);
    return box;
}

QWidget *TSpellOptionsDialog::autoCorrectGroup(const AutoCorrectList *autoCorrections)
{
    auto *group = named<QGroupBox>("autocorrectgroup", QStringLiteral("Auto-correct"), this);
    autoCorrectionList = named<QListWidget>("autocorrectlist", group);
    autoCorrectionList->setSelectionMode(QAbstractItemView::NoSelection);
    autoCorrectionList->setFixedHeight(autoCorrectionList->fontMetrics().height() * 6);
    if (autoCorrections) {
        for (const AutoCorrectList::Entry &entry : autoCorrections->entries())
            autoCorrectionList->addItem(entry.word + QStringLiteral(u" \u2192 ") + entry.replacement);
    }
    clearButton = named<QPushButton>("clearbutton", QStringLiteral("Clear l&ist"), group);
    clearButton->setAutoDefault(false);
    clearButton->setEnabled(autoCorrectionList->count() > 0);
    connect(clearButton, &QPushButton::clicked, this, [this] {
        autoCorrectionList->clear();
        clearButton->setEnabled(false);
        m_cleared = true;
    });
    auto *column = new QVBoxLayout(group);
    column->addWidget(autoCorrectionList);
    column->addWidget(clearButton, 0, Qt::AlignLeft);
    return group;
}

SpellOptions TSpellOptionsDialog::options() const
{
    SpellOptions o;
    o.ignoreUpperCase = upperCaseBox->isChecked();
    o.ignoreWithNumbers = numbersBox->isChecked();
    o.ignoreTags = tagsBox->isChecked();
    o.ignoreAddresses = addressesBox->isChecked();
    o.ignoreQuotedLines = quotedBox->isChecked();
    o.suggestAutomatically = automaticBox->isChecked();
    o.suggestMainOnly = mainOnlyBox->isChecked();
    o.recheckReplaced = recheckBox->isChecked();
    o.reportRepeated = repeatedBox->isChecked();
    o.reportTwoCapitals = capitalsBox->isChecked();
    return o;
}
