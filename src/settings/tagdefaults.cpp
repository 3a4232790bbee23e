#include "settings/tagtable.h"

// The built-in templates are filled in by tag insertion; until then every
// entry is empty.
TagTemplate builtInTagTemplate(int entry)
{
    Q_UNUSED(entry);
    return TagTemplate();
}
