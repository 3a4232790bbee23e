#include "settings/tagtable.h"

TagTemplates &TagTable()
{
    static TagTemplates table = [] {
        TagTemplates initial;
        for (int i = 0; i < TagTableSize; ++i)
            initial[size_t(i)] = builtInTagTemplate(i);
        return initial;
    }();
    return table;
}
