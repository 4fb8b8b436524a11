#include "game/hints.h"

#include <array>
#include <string_view>

namespace Hints {

namespace {

// UTF-8 source text: eight of the texts carry the typographic apostrophe (U+2019), and the straight double
// quotes inside the New Testament texts belong to the texts.
constexpr std::array<std::string_view, OTBookCount> OTHints {
    "God creates the world",
    "The Hebrews leave Egypt",
    "The Hebrews worship God",
    "The Hebrews wander around for several years",
    "Moses lays down the law",
    "He led the conquering of the Promised Land",
    "13 people who took over Joshua\u2019s role",
    "She was loyal to God in Moab",
    "David defeats Goliath",
    "David rules his kingdom",
    "The kingdom is united, then divided",
    "The fall of Israel and Judah",
    "Ancestry of David",
    "Solomon rules Jerusalem",
    "He rebuilds the temple",
    "He sees the walls rebuilt",
    "The girl who became queen",
    "The suffering of a righteous man",
    "Praises from David",
    "Sayings from Solomon and other wise men",
    "Solomon\u2019s thoughts on life",
    "Poems from Solomon",
    "Great prophet in Judah",
    "He predicted the fall of Jerusalem",
    "Jeremiah mourns for Jerusalem",
    "Prophet who encouraged faith",
    "Survived the lion\u2019s den",
    "Prophet who knew God\u2019s relation with Israel",
    "A prophet\u2019s tale of desolation and restoration of Judah",
    "He wrote about judgement and restoration of Israel",
    "He wrote about the doom of Edom",
    "He was swallowed by a fish",
    "He wrote about judgement and the kingdom",
    "He wrote about Nineveh\u2019s destruction",
    "He prophesied about the invasion by the Chaldeans",
    "He prophesied about the day of the Lord",
    "He prophesied about the rebuilding of the temple",
    "He prophesied about the reign of Christ",
    "He prophesied about John the Baptist",
};

constexpr std::array<std::string_view, NTBookCount> NTHints {
    "He was a tax collector",
    "The shortest gospel",
    "He was a doctor",
    "The disciple whom Jesus loved",
    "Setting up the first Church",
    "The first of Paul\u2019s Epistles",
    "Letter regarding Christian conduct",
    "Paul explains himself",
    "How to be saved by Grace",
    "Put on the full armor of God",
    "I can do everything through him who gives me strength",
    "Discusses the roles of family members",
    "Letter telling people to \"mind their own business\"",
    "Paul instructs them to \"stand firm\" in the teachings",
    "How to run your Church",
    "States that all scripture is \"God-breathed\"",
    "Gives guidelines for elders and ministers",
    "An appeal for Onesimus",
    "Big book of faith",
    "Practical applications of the Gospel",
    "Includes advice on \"submission\"",
    "\"The day of the Lord will come like a thief\"",
    "Love one another",
    "Continue teaching in your walk",
    "Happy that his friends are \"walking in truth\"",
    "Warning against false teachers",
    "John\u2019s vision",
};

} // namespace

QString text(Testament testament, int tag)
{
    if (tag < 1 || tag > bookCount(testament))
        return {};
    const std::string_view hint = testament == Testament::New ? NTHints[tag - 1] : OTHints[tag - 1];
    return QString::fromUtf8(hint.data(), qsizetype(hint.size()));
}

} // namespace Hints
