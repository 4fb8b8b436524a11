#pragma once

#include "game/catalogue.h"

#include <QCoreApplication>
#include <QString>

#include <span>
#include <string_view>

// A run of books that learners take together, such as the Law or Paul's letters. A practice game deals only the
// books of one section.
struct Section
{
    Testament testament = Testament::Old;
    std::string_view name;
    int first = 0; // list index of its first book
    int count = 0;

    constexpr int last() const { return first + count - 1; }
    constexpr bool contains(int index) const { return index >= first && index <= last(); }
    // The name in the player's language.
    QString title() const { return QCoreApplication::translate("Sections", name.data()); }

    bool operator==(const Section &) const = default;
};

// The sections of a testament in canonical order; together they hold every book once.
std::span<const Section> sections(Testament testament);
