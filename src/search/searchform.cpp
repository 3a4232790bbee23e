#include "search/searchform.h"

#include "search/searchcriteria.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const CaptionTable TsearchformCaptions{"search dialog", {
    {"Tsearchform", {"Search", "Søg", "Suche"}},
    {"uplow", {"Case sensitive", "Store/små bogstaver", "Groß/klein Buchstaben"}},
}};

} // namespace

Tsearchform::Tsearchform(QWidget *parent)
    : TCriteriaDialog("Tsearchform", TsearchformCaptions, false, parent)
{
}

bool Tsearchform::presetInSelection() const
{
    return searchCriteria().searchInSelection;
}

void Tsearchform::storeCriteria()
{
    SearchCriteria &criteria = searchCriteria();
    criteria.searchMatchCase = matchCaseBox->isChecked();
    criteria.searchText = searchEdit->text();
    criteria.searchInSelection = selectedButton->isChecked();
    criteria.searchAllFiles = allFilesButton->isChecked();
}
