#include "search/searchcriteria.h"

SearchCriteria &searchCriteria()
{
    static SearchCriteria criteria;
    return criteria;
}
