#include "game/hints.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace Hints {

namespace {

// The English source texts, in UTF-8: eight of them carry the typographic apostrophe (U+2019), and the straight
// double quotes inside the New Testament texts belong to the texts.
constexpr std::array<std::string_view, OTBookCount> OTHints {
    QT_TRANSLATE_NOOP("Hints", "God creates the world"),
    QT_TRANSLATE_NOOP("Hints", "The Hebrews leave Egypt"),
    QT_TRANSLATE_NOOP("Hints", "The Hebrews worship God"),
    QT_TRANSLATE_NOOP("Hints", "The Hebrews wander around for several years"),
    QT_TRANSLATE_NOOP("Hints", "Moses lays down the law"),
    QT_TRANSLATE_NOOP("Hints", "He led the conquering of the Promised Land"),
    QT_TRANSLATE_NOOP("Hints", "13 people who took over Joshua’s role"),
    QT_TRANSLATE_NOOP("Hints", "She was loyal to God in Moab"),
    QT_TRANSLATE_NOOP("Hints", "David defeats Goliath"),
    QT_TRANSLATE_NOOP("Hints", "David rules his kingdom"),
    QT_TRANSLATE_NOOP("Hints", "The kingdom is united, then divided"),
    QT_TRANSLATE_NOOP("Hints", "The fall of Israel and Judah"),
    QT_TRANSLATE_NOOP("Hints", "Ancestry of David"),
    QT_TRANSLATE_NOOP("Hints", "Solomon rules Jerusalem"),
    QT_TRANSLATE_NOOP("Hints", "He rebuilds the temple"),
    QT_TRANSLATE_NOOP("Hints", "He sees the walls rebuilt"),
    QT_TRANSLATE_NOOP("Hints", "The girl who became queen"),
    QT_TRANSLATE_NOOP("Hints", "The suffering of a righteous man"),
    QT_TRANSLATE_NOOP("Hints", "Praises from David"),
    QT_TRANSLATE_NOOP("Hints", "Sayings from Solomon and other wise men"),
    QT_TRANSLATE_NOOP("Hints", "Solomon’s thoughts on life"),
    QT_TRANSLATE_NOOP("Hints", "Poems from Solomon"),
    QT_TRANSLATE_NOOP("Hints", "Great prophet in Judah"),
    QT_TRANSLATE_NOOP("Hints", "He predicted the fall of Jerusalem"),
    QT_TRANSLATE_NOOP("Hints", "Jeremiah mourns for Jerusalem"),
    QT_TRANSLATE_NOOP("Hints", "Prophet who encouraged faith"),
    QT_TRANSLATE_NOOP("Hints", "Survived the lion’s den"),
    QT_TRANSLATE_NOOP("Hints", "Prophet who knew God’s relation with Israel"),
    QT_TRANSLATE_NOOP("Hints", "A prophet’s tale of desolation and restoration of Judah"),
    QT_TRANSLATE_NOOP("Hints", "He wrote about judgement and restoration of Israel"),
    QT_TRANSLATE_NOOP("Hints", "He wrote about the doom of Edom"),
    QT_TRANSLATE_NOOP("Hints", "He was swallowed by a fish"),
    QT_TRANSLATE_NOOP("Hints", "He wrote about judgement and the kingdom"),
    QT_TRANSLATE_NOOP("Hints", "He wrote about Nineveh’s destruction"),
    QT_TRANSLATE_NOOP("Hints", "He prophesied about the invasion by the Chaldeans"),
    QT_TRANSLATE_NOOP("Hints", "He prophesied about the day of the Lord"),
    QT_TRANSLATE_NOOP("Hints", "He prophesied about the rebuilding of the temple"),
    QT_TRANSLATE_NOOP("Hints", "He prophesied about the reign of Christ"),
    QT_TRANSLATE_NOOP("Hints", "He prophesied about John the Baptist"),
};

constexpr std::array<std::string_view, NTBookCount> NTHints {
    QT_TRANSLATE_NOOP("Hints", "He was a tax collector"),
    QT_TRANSLATE_NOOP("Hints", "The shortest gospel"),
    QT_TRANSLATE_NOOP("Hints", "He was a doctor"),
    QT_TRANSLATE_NOOP("Hints", "The disciple whom Jesus loved"),
    QT_TRANSLATE_NOOP("Hints", "Setting up the first Church"),
    QT_TRANSLATE_NOOP("Hints", "The first of Paul’s Epistles"),
    QT_TRANSLATE_NOOP("Hints", "Letter regarding Christian conduct"),
    QT_TRANSLATE_NOOP("Hints", "Paul explains himself"),
    QT_TRANSLATE_NOOP("Hints", "How to be saved by Grace"),
    QT_TRANSLATE_NOOP("Hints", "Put on the full armor of God"),
    QT_TRANSLATE_NOOP("Hints", "I can do everything through him who gives me strength"),
    QT_TRANSLATE_NOOP("Hints", "Discusses the roles of family members"),
    QT_TRANSLATE_NOOP("Hints", "Letter telling people to \"mind their own business\""),
    QT_TRANSLATE_NOOP("Hints", "Paul instructs them to \"stand firm\" in the teachings"),
    QT_TRANSLATE_NOOP("Hints", "How to run your Church"),
    QT_TRANSLATE_NOOP("Hints", "States that all scripture is \"God-breathed\""),
    QT_TRANSLATE_NOOP("Hints", "Gives guidelines for elders and ministers"),
    QT_TRANSLATE_NOOP("Hints", "An appeal for Onesimus"),
    QT_TRANSLATE_NOOP("Hints", "Big book of faith"),
    QT_TRANSLATE_NOOP("Hints", "Practical applications of the Gospel"),
    QT_TRANSLATE_NOOP("Hints", "Includes advice on \"submission\""),
    QT_TRANSLATE_NOOP("Hints", "\"The day of the Lord will come like a thief\""),
    QT_TRANSLATE_NOOP("Hints", "Love one another"),
    QT_TRANSLATE_NOOP("Hints", "Continue teaching in your walk"),
    QT_TRANSLATE_NOOP("Hints", "Happy that his friends are \"walking in truth\""),
    QT_TRANSLATE_NOOP("Hints", "Warning against false teachers"),
    QT_TRANSLATE_NOOP("Hints", "John’s vision"),
};

} // namespace

QString text(Testament testament, int tag)
{
    if (tag < 1 || tag > bookCount(testament))
        return {};
    const std::string_view hint = testament == Testament::New ? NTHints[tag - 1] : OTHints[tag - 1];
    return QCoreApplication::translate("Hints", hint.data());
}

} // namespace Hints
