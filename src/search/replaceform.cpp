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
    , Label2(new QLabel(this))
    , reptext(new QLineEdit(this))
{
    Label2->setObjectName(QStringLiteral("Label2"));
    reptext->setObjectName(QStringLiteral("reptext"));
    addField(Label2, reptext);
}

bool Treplaceform::presetInSelection() const
{
    return searchCriteria().replaceInSelection;
}

void Treplaceform::storeCriteria()
{
    SearchCriteria &criteria = searchCriteria();
    criteria.replacementText = reptext->text();
    criteria.searchText = crit->text();
    criteria.replaceMatchCase = uplow->isChecked();
    criteria.replaceInSelection = local->isChecked();
    criteria.replaceAllFiles = allfiles->isChecked();
}
