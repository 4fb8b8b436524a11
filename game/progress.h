#pragma once

#include "game/catalogue.h"
#include "game/sections.h"

#include <QList>

#include <optional>
#include <vector>

// What one book cost the player: in one game (games is then 0 or 1) or added up over many.
struct BookProgress
{
    int games = 0; // games in which the book was wanted
    int found = 0; // right clicks on it
    int timeouts = 0; // times the countdown ran out on it
    int wrong = 0; // wrong clicks while it was wanted
    int tenths = 0; // how long it was wanted, in tenths of a second of real time

    bool operator==(const BookProgress &) const = default;
    // Adds the other's figures; a figure that would pass the largest int stays there.
    BookProgress &operator+=(const BookProgress &other);

    // The seconds it was wanted in an average game; 0 before it was ever wanted.
    double averageSeconds() const;
    // The wrong clicks and time-outs of an average game: how often it cost points.
    double costPerGame() const;
};

// A testament's progress, book by book in canonical order (entry i is the book of list index i): the record of
// one game, or the sum of many.
class Progress
{
public:
    // In a section's cost a wrong click or a time-out weighs as much as this many seconds' hunting.
    static constexpr int SecondsPerMistake = 5;

    explicit Progress(Testament testament = Testament::Old);

    Testament testament() const { return m_testament; }
    const std::vector<BookProgress> &books() const { return m_books; }
    BookProgress &operator[](int index) { return m_books[index]; }
    const BookProgress &operator[](int index) const { return m_books[index]; }

    // Adds a game (or another sum) of the same testament.
    Progress &operator+=(const Progress &other);
    // Whether any book was ever wanted.
    bool played() const;

    // List indexes of at most `count` books that took longest on average, slowest first; of books alike, the
    // earlier in the Bible first. Only books that took some time.
    QList<int> slowest(int count) const;
    // Likewise for the books that cost points most often; only books that cost some.
    QList<int> costliest(int count) const;

    // What a section costs in an average game: of each of its books ever wanted, the average seconds and a
    // penalty for every wrong click or time-out a game, averaged over those books. Nothing while none was wanted.
    std::optional<double> cost(const Section &section) const;
    // The section to practise: the first never played, else the one that costs most, the earlier of equals.
    Section sectionToPractise() const;

private:
    Testament m_testament;
    std::vector<BookProgress> m_books;
};
