#pragma once

#include "colormemo/colorrule.h"

#include <memory>
#include <vector>

// The ordered colour rules of one memo. The lists are compiled again at the
// next pass after the collection was created or changed.
class TDrawRules
{
public:
    TDrawRules() = default;
    TDrawRules(const TDrawRules &) = delete;
    TDrawRules &operator=(const TDrawRules &) = delete;

    int count() const { return int(m_rules.size()); }
    bool isEmpty() const { return m_rules.empty(); }
    TColorRule &operator[](int index) { return *m_rules[size_t(index)]; }
    const TColorRule &operator[](int index) const { return *m_rules[size_t(index)]; }

    TColorRule &add();
    void clear();
    // Replaces the rules by copies of the other collection's.
    void Assign(const TDrawRules &other);

    bool needsCompiling() const { return m_needsCompiling; }
    // Compiles every rule while needed; stays needed while no rule has entries.
    void Prepare();

    // The line a pass starts scanning at when it paints from `firstLine` on:
    // the first rule's KeyMaxHeight - 1 lines above it, never before line 0.
    int scanStartLine(int firstLine) const;

private:
    std::vector<std::unique_ptr<TColorRule>> m_rules;
    bool m_needsCompiling = true;
};
