#pragma once

#include <QString>

#include <array>

// One tag template: what is inserted before and after the selection, and how
// far the caret steps back from the end of the insertion.
struct TagTemplate
{
    QString open;
    QString close;
    int back = 0;

    bool operator==(const TagTemplate &other) const
    {
        return open == other.open && close == other.close && back == other.back;
    }
};

constexpr int TagTableSize = 100;
constexpr int StoredTagTemplates = 90; // entries 0..89 are kept in the store

using TagTemplates = std::array<TagTemplate, TagTableSize>;

// The program-wide template table used by tag insertion.
TagTemplates &TagTable();

// The template an entry has before the user changes anything.
TagTemplate builtInTagTemplate(int entry);
