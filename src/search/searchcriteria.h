#pragma once

#include <QString>

// What the search and replace dialogs hand to their commands. One record for
// the whole program: the search text is shared by both commands, the other
// choices are kept per dialog.
struct SearchCriteria
{
    QString searchText;
    QString replacementText;
    bool searchMatchCase = false;
    bool replaceMatchCase = false;
    bool searchInSelection = false;
    bool searchAllFiles = false;
    bool replaceInSelection = false;
    bool replaceAllFiles = false;
};

SearchCriteria &searchCriteria();
