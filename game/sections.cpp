#include "game/sections.h"

#include <array>

namespace {

constexpr std::array<Section, 5> OTSections {{
    {Testament::Old, QT_TRANSLATE_NOOP("Sections", "Law"), 0, 5},
    {Testament::Old, QT_TRANSLATE_NOOP("Sections", "History"), 5, 12},
    {Testament::Old, QT_TRANSLATE_NOOP("Sections", "Poetry and Wisdom"), 17, 5},
    {Testament::Old, QT_TRANSLATE_NOOP("Sections", "Major Prophets"), 22, 5},
    {Testament::Old, QT_TRANSLATE_NOOP("Sections", "Minor Prophets"), 27, 12},
}};

constexpr std::array<Section, 3> NTSections {{
    {Testament::New, QT_TRANSLATE_NOOP("Sections", "Gospels and Acts"), 0, 5},
    {Testament::New, QT_TRANSLATE_NOOP("Sections", "Paul's letters"), 5, 13},
    {Testament::New, QT_TRANSLATE_NOOP("Sections", "Other letters and Revelation"), 18, 9},
}};

// Each testament's sections follow one another without a gap, up to its last book.
template <std::size_t Size> constexpr bool tiles(const std::array<Section, Size> &list, int books)
{
    int next = 0;
    for (const Section &section : list) {
        if (section.first != next || section.count < 1)
            return false;
        next += section.count;
    }
    return next == books;
}
static_assert(tiles(OTSections, OTBookCount) && tiles(NTSections, NTBookCount));

} // namespace

std::span<const Section> sections(Testament testament)
{
    if (testament == Testament::New)
        return NTSections;
    return OTSections;
}
