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
    uppercasebox = addBox(ignoregroup, "uppercasebox", "Words in &UPPER CASE", options.ignoreUpperCase);
    numbersbox = addBox(ignoregroup, "numbersbox", "Words with &numbers", options.ignoreWithNumbers);
    tagsbox = addBox(ignoregroup, "tagsbox", "HTML &tags", options.ignoreTags);
    addressesbox = addBox(ignoregroup, "addressesbox", "Internet and e-mail &addresses", options.ignoreAddresses);
    quotedbox = addBox(ignoregroup, "quotedbox", "&Quoted lines", options.ignoreQuotedLines);

    auto *checkgroup = named<QGroupBox>("checkgroup", QStringLiteral("Check"), this);
    new QVBoxLayout(checkgroup);
    automaticbox = addBox(checkgroup, "automaticbox", "Suggest a&utomatically", options.suggestAutomatically);
    mainonlybox = addBox(checkgroup, "mainonlybox", "Suggestions from the &main dictionary only",
                         options.suggestMainOnly);
    recheckbox = addBox(checkgroup, "recheckbox", "&Re-check replaced words", options.recheckReplaced);
    repeatedbox = addBox(checkgroup, "repeatedbox", "Report repeated &words", options.reportRepeated);
    capitalsbox = addBox(checkgroup, "capitalsbox", "Report two leading &capitals", options.reportTwoCapitals);

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
    autocorrectlist = named<QListWidget>("autocorrectlist", group);
    autocorrectlist->setSelectionMode(QAbstractItemView::NoSelection);
    autocorrectlist->setFixedHeight(autocorrectlist->fontMetrics().height() * 6);
    if (autoCorrections) {
        for (const AutoCorrectList::Entry &entry : autoCorrections->entries())
            autocorrectlist->addItem(entry.word + QStringLiteral(u" \u2192 ") + entry.replacement);
    }
    auto *clear = named<QPushButton>("clearbutton", QStringLiteral("Clear l&ist"), group);
    clear->setAutoDefault(false);
    clear->setEnabled(autocorrectlist->count() > 0);
    connect(clear, &QPushButton::clicked, this, [this, clear] {
        autocorrectlist->clear();
        clear->setEnabled(false);
        m_cleared = true;
    });
    auto *column = new QVBoxLayout(group);
    column->addWidget(autocorrectlist);
    column->addWidget(clear, 0, Qt::AlignLeft);
    return group;
}

SpellOptions TSpellOptionsDialog::options() const
{
    SpellOptions o;
    o.ignoreUpperCase = uppercasebox->isChecked();
    o.ignoreWithNumbers = numbersbox->isChecked();
    o.ignoreTags = tagsbox->isChecked();
    o.ignoreAddresses = addressesbox->isChecked();
    o.ignoreQuotedLines = quotedbox->isChecked();
    o.suggestAutomatically = automaticbox->isChecked();
    o.suggestMainOnly = mainonlybox->isChecked();
    o.recheckReplaced = recheckbox->isChecked();
    o.reportRepeated = repeatedbox->isChecked();
    o.reportTwoCapitals = capitalsbox->isChecked();
    return o;
}
