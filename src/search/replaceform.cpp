#include "search/replaceform.h"

#include "search/searchcriteria.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const CaptionTable TreplaceformCaptions{"replace dialog", {
    {"Treplaceform", {"Replace", "Erstat", "Ersetze"}},
    {"Label2", {"Replace with", "Erstat med", "Ersetze mit"}},
    {"uplow", {"Upper/lower case counts", "Store/små bogstaver", "Groß/klien Buchstaben"}},
}};

} // namespace

Treplaceform::Treplaceform(QWidget *parent)
    : TCriteriaDialog("Treplaceform", TreplaceformCaptions, true, parent)
    , replaceLabel(new QLabel(this))
    , replaceEdit(new QLineEdit(this))
{
    replaceLabel->setObjectName(QStringLiteral("Label2"));
    replaceEdit->setObjectName(QStringLiteral("reptext"));
    addField(replaceLabel, replaceEdit);
}

bool Treplaceform::presetInSelection() const
{
    return searchCriteria().replaceInSelection;
}

void Treplaceform::storeCriteria()
{
    SearchCriteria &criteria = searchCriteria();
    criteria.replacementText = replaceEdit->text();
    criteria.searchText = searchEdit->text();
    criteria.replaceMatchCase = matchCaseBox->isChecked();
    criteria.replaceInSelection = selectedButton->isChecked();
    criteria.replaceAllFiles = allFilesButton->isChecked();
}
