#include "colormemo/drawrules.h"

TColorRule &TDrawRules::add()
{
    m_rules.push_back(std::make_unique<TColorRule>());
    m_needsCompiling = true;
    return *m_rules.back();
}

void TDrawRules::clear()
{
    m_rules.clear();
    m_needsCompiling = true;
}

void TDrawRules::Assign(const TDrawRules &other)
{
    if (&other == this)
        return;
    clear();
    for (const auto &rule : other.m_rules)
        add().Assign(*rule);
}

void TDrawRules::Prepare()
{
    if (!m_needsCompiling)
        return;
    bool anyEntries = false;
    for (const auto &rule : m_rules)
        anyEntries = rule->Prepare() || anyEntries;
    m_needsCompiling = !anyEntries;
}

int TDrawRules::scanStartLine(int firstLine) const
{
    if (m_rules.empty())
        return qMax(0, firstLine);
    // A height below one would start below the first painted line.
    const int lookBack = qMax(1, m_rules.front()->KeyMaxHeight()) - 1;
    return qMax(0, firstLine - lookBack);
}
