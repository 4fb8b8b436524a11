// libFuzzer target for the reader and writer of the settings file. The input is the text of a settings file.
// Every key the program uses and every name the text seems to hold is read, then written with one of a set of
// awkward values; after each write the fuzzer checks that
// - the key reads back as written,
// - every other key still reads as before,
// - the bytes changed are at most the old value of the key (nothing else of the file moved or vanished),
// - writing the same again changes nothing,
// - setting many keys at once gives the very bytes that setting them one after the other gives.
// Integers read from the text are checked against the standard library's decimal conversion.

#include "settings/profiletext.h"
#include "scores/settingskeys.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Name = std::pair<std::string, std::string>;

constexpr std::string_view Blanks = " \t\r\v\f";
// Every write is checked against every name, so their number decides the speed.
constexpr std::size_t MaxNames = 48;
constexpr std::size_t OthersChecked = 6;
constexpr std::size_t MaxBatch = 24;

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool sameName(std::string_view a, std::string_view b)
{
    a = trimmed(a);
    b = trimmed(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// A rough reading of its own, so that the names tried do not come from the code under test.
std::vector<Name> namesIn(std::string_view text)
{
    std::vector<Name> names;
    using namespace SettingsKeys;
    for (const char *section :
        {SettingsSection, UserSection, OTScoresSection, OTUsersSection, NTScoresSection, NTUsersSection}) {
        for (const char *key : {FirstTimeKey, LastKey, "1"})
            names.emplace_back(section, key);
    }
    std::string section;
    std::size_t begin = 0;
    while (begin <= text.size() && names.size() < MaxNames) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimmed(text.substr(begin, end - begin));
        const std::size_t close = line.rfind(']');
        if (line.starts_with('[') && close != std::string_view::npos) {
            section = std::string(line.substr(1, close - 1));
            names.emplace_back(section, "1");
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            names.emplace_back(section, std::string(line.substr(0, equals)));
            names.emplace_back(SettingsKeys::UserSection, std::string(line.substr(0, equals)));
        }
        begin = end + 1;
    }
    return names;
}

std::string readBack(std::string_view written)
{
    std::string value(written);
    for (char &c : value) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return std::string(trimmed(value));
}

void checkInteger(std::string_view value)
{
    const std::optional<std::int32_t> parsed = ProfileText::parseInteger(value);
    std::string_view digits = value;
    if (digits.starts_with('+'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("-0123456789") != std::string_view::npos
        || digits.find('-', 1) != std::string_view::npos)
        return;
    long long expected = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), expected);
    // One sign at most: "+-49" is no integer.
    const bool signedTwice = value.starts_with('+') && digits.starts_with('-');
    const bool fits = error == std::errc() && end == digits.data() + digits.size() && expected >= INT32_MIN
        && expected <= INT32_MAX && !(digits.size() == 1 && digits[0] == '-') && !signedTwice;
    require(parsed.has_value() == fits, "decimal integer accepted exactly when it fits 32 bits");
    if (fits)
        require(*parsed == expected, "decimal integer read as its value");
}

std::size_t commonPrefix(std::string_view a, std::string_view b)
{
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

std::size_t commonSuffix(std::string_view a, std::string_view b, std::size_t limit)
{
    std::size_t n = 0;
    while (n < limit && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}

bool oneKindOfLineEnd(std::string_view text)
{
    bool lf = false;
    bool cr = false;
    bool crlf = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            crlf = true;
            ++i;
        } else if (text[i] == '\r') {
            cr = true;
        } else if (text[i] == '\n') {
            lf = true;
        }
    }
    return int(lf) + int(cr) + int(crlf) <= 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::vector<Name> names = namesIn(input);
    const std::vector<std::string> values { "",         "ABC", " padded ", "a=b", "[x]", ";c", "x\r\n[User]\nLast=1",
                                            "\xEF\xBB\xBF", std::string(40, 'W'), std::string(input.substr(size / 2, 16)) };

    ProfileText text { std::string(input) };
    for (const auto &[section, key] : names) {
        if (const auto value = text.value(section, key))
            checkInteger(*value);
    }

    std::size_t round = 0;
    for (const auto &[section, key] : names) {
        if (!ProfileText::isValidSection(section) || !ProfileText::isValidKey(key))
            continue;
        const std::string &value = values[round % values.size()];
        // A few of the other names, a different few each round, keep each input quick.
        std::vector<std::pair<const Name *, std::optional<std::string>>> others;
        for (std::size_t i = 0; i < OthersChecked; ++i) {
            const Name &other = names[(round * OthersChecked + i) % names.size()];
            if (sameName(other.first, section) && sameName(other.second, key))
                continue;
            const auto old = text.value(other.first, other.second);
            others.emplace_back(&other, old ? std::optional<std::string>(*old) : std::nullopt);
        }
        ++round;
        const std::string was = text.bytes();
        const auto oldValue = text.value(section, key);
        const std::size_t oldSize = oldValue ? oldValue->size() : 0;

        text.setValue(section, key, value);
        const std::string_view now = text.bytes();

        const std::optional<std::string_view> stored = text.value(section, key);
        require(stored.has_value() && *stored == readBack(value), "a written key reads back as written");

        for (const auto &[other, old] : others) {
            const auto current = text.value(other->first, other->second);
            require(current.has_value() == old.has_value() && (!current || *current == *old),
                    "every other key reads as before");
        }

        const std::size_t prefix = commonPrefix(was, now);
        const std::size_t suffix = commonSuffix(was, now, std::min(was.size(), now.size()) - prefix);
        require(was.size() - prefix - suffix <= oldSize, "only the old value of the key is replaced");

        ProfileText again = text;
        again.setValue(section, key, value);
        require(again.bytes() == text.bytes(), "writing the same again changes nothing");
    }

    // The names in an order of the input's choosing, some of them more than once, as a save of the table sets them.
    std::vector<ProfileText::Assignment> batch;
    for (std::size_t i = 0; i < names.size() && batch.size() < MaxBatch; ++i) {
        const Name &name = names[(i * 7 + size) % names.size()];
        if (ProfileText::isValidSection(name.first) && ProfileText::isValidKey(name.second))
            batch.push_back({ name.first, name.second, values[(i + size) % values.size()] });
    }
    ProfileText together { std::string(input) };
    together.setValues(batch);
    // A key set twice is set once, in the place of the first setting, to the value of the last: setting it twice
    // in a row would leave the blanks around the value of the first setting in the text.
    std::vector<ProfileText::Assignment> once;
    for (const ProfileText::Assignment &assignment : batch) {
        const auto same = std::find_if(once.begin(), once.end(), [&](const ProfileText::Assignment &earlier) {
            return sameName(earlier.section, assignment.section) && sameName(earlier.key, assignment.key);
        });
        if (same == once.end())
            once.push_back(assignment);
        else
            same->value = assignment.value;
    }
    for (const ProfileText::Assignment &assignment : once) {
        const auto stored = together.value(assignment.section, assignment.key);
        require(stored.has_value() && *stored == readBack(assignment.value), "each of many keys reads back as written");
    }
    // Where line ends are mixed, a break added next to another can join it (a CR before an LF), and the order of
    // the additions decides which join: the bytes may then differ, not what they read as.
    if (!oneKindOfLineEnd(input))
        return 0;
    ProfileText oneByOne { std::string(input) };
    for (const ProfileText::Assignment &assignment : once)
        oneByOne.setValue(assignment.section, assignment.key, assignment.value);
    require(together.bytes() == oneByOne.bytes(), "many keys set at once as one after the other");
    return 0;
}
