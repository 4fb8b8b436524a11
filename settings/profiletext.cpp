#include "settings/profiletext.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Asked of nearly every byte of the file, so compared rather than looked up in a list of blanks.
bool isBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r' && c != '\n');
}

std::string_view trimmed(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::size_t bodyStart(std::string_view text)
{
    return text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
}

enum class LineKind { Blank, Comment, Header, Entry, Other };

struct Line
{
    std::size_t end = 0; // the line's '\n', or the end of the text
    LineKind kind = LineKind::Blank;
    std::string_view name; // the section of a header, the key of an entry
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

// Where the line that starts at begin ends: at its LF, at the LF of its CRLF, or at a CR alone, as older systems
// ended lines; the text's end when none follows.
std::size_t lineEnd(std::string_view text, std::size_t begin)
{
    // A plain loop: find_first_of looks each byte up in the set of two with a call of its own.
    std::size_t end = begin;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r')
        ++end;
    if (end == text.size())
        return end;
    return text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 1 : end;
}

Line readLine(std::string_view text, std::size_t begin)
{
    Line line;
    line.end = lineEnd(text, begin);
    std::size_t first = begin;
    while (first < line.end && isBlank(text[first]))
        ++first;
    std::size_t last = line.end;
    while (last > first && isBlank(text[last - 1]))
        --last;
    const std::string_view content = text.substr(first, last - first);

    if (content.empty())
        return line;
    if (content.front() == ';') {
        line.kind = LineKind::Comment;
        return line;
    }
    if (content.front() == '[') {
        const std::size_t close = content.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Header;
            line.name = trimmed(content.substr(1, close - 1));
            return line;
        }
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        line.kind = LineKind::Other;
        return line;
    }
    line.kind = LineKind::Entry;
    line.name = trimmed(content.substr(0, equals));
    line.valueBegin = first + equals + 1;
    while (line.valueBegin < last && isBlank(text[line.valueBegin]))
        ++line.valueBegin;
    line.valueEnd = last;
    return line;
}

// What the text holds of one key: its line, or else the last line of substance of its section (the header when
// the section has nothing else), or else nothing.
struct Place
{
    std::optional<Line> key;
    std::optional<Line> sectionEnd;
};

// The places of many keys, found in one pass. Of two sections of the same name only the first is read, and of two
// keys of the same name in it the first.
std::vector<Place> locate(std::string_view text, std::span<const ProfileText::Name> names)
{
    struct Section
    {
        std::string_view name;
        std::vector<std::size_t> names;
        bool seen = false;
        std::optional<Line> end;
    };
    std::vector<Section> sections;
    std::vector<std::size_t> sectionOf(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string_view section = trimmed(names[i].section);
        auto found = std::ranges::find_if(sections, [&](const Section &s) { return sameName(s.name, section); });
        if (found == sections.end())
            found = sections.insert(sections.end(), Section {section, {}, false, std::nullopt});
        found->names.push_back(i);
        sectionOf[i] = static_cast<std::size_t>(found - sections.begin());
    }

    std::vector<Place> places(names.size());
    if (names.empty())
        return places;
    Section *inside = nullptr;
    std::size_t unseen = sections.size();
    for (std::size_t begin = bodyStart(text); begin < text.size();) {
        const Line line = readLine(text, begin);
        begin = line.end + 1;
        if (line.kind == LineKind::Header) {
            if (inside && --unseen == 0)
                break;
            inside = nullptr;
            const auto found
                = std::ranges::find_if(sections, [&](const Section &s) { return sameName(s.name, line.name); });
            if (found != sections.end() && !found->seen) {
                inside = &*found;
                inside->seen = true;
            }
        } else if (!inside || line.kind == LineKind::Blank || line.kind == LineKind::Comment) {
            continue;
        } else if (line.kind == LineKind::Entry) {
            for (const std::size_t i : inside->names) {
                if (!places[i].key && sameName(line.name, trimmed(names[i].key)))
                    places[i].key = line;
            }
        }
        if (inside)
            inside->end = line;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!places[i].key)
            places[i].sectionEnd = sections[sectionOf[i]].end;
    }
    return places;
}

// New lines end the way the text's first line does.
std::string_view lineBreak(std::string_view text)
{
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos || text[end] == '\n')
        return "\n";
    return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
}

bool endsWithLineBreak(std::string_view text)
{
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// Whether the text, which ends in a line break, ends in a line with nothing on it.
bool endsWithBlankLine(std::string_view text)
{
    std::size_t end = text.size() - 1;
    if (text[end] == '\n' && end > 0 && text[end - 1] == '\r')
        --end;
    const std::size_t previous = end == 0 ? std::string_view::npos : text.find_last_of("\r\n", end - 1);
    const std::size_t begin = previous == std::string_view::npos ? bodyStart(text) : previous + 1;
    return begin >= end || trimmed(text.substr(begin, end - begin)).empty();
}

int digitValue(char c, int base)
{
    int digit = -1;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

} // namespace

ProfileText::ProfileText(std::string bytes)
    : m_bytes(std::move(bytes))
{
}

std::optional<std::string_view> ProfileText::value(std::string_view section, std::string_view key) const
{
    const Name name {section, key};
    return values({&name, 1}).front();
}

std::vector<std::optional<std::string_view>> ProfileText::values(std::span<const Name> names) const
{
    const std::string_view text = m_bytes;
    const std::vector<Place> places = locate(text, names);
    std::vector<std::optional<std::string_view>> found;
    found.reserve(places.size());
    for (const Place &place : places) {
        if (place.key)
            found.emplace_back(text.substr(place.key->valueBegin, place.key->valueEnd - place.key->valueBegin));
        else
            found.emplace_back();
    }
    return found;
}

void ProfileText::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    const Assignment assignment {section, key, value};
    setValues({&assignment, 1});
}

namespace {

// Blanks around a value are not read back, so they are not stored: a value written again stays the same. Line
// breaks would split its line, so they become blanks.
std::string storedValue(std::string_view value)
{
    std::string stored(value);
    std::ranges::replace(stored, '\n', ' ');
    std::ranges::replace(stored, '\r', ' ');
    return std::string(trimmed(stored));
}

struct Edit
{
    std::size_t at;
    std::size_t erased;
    std::string inserted;
};

} // namespace

void ProfileText::setValues(std::span<const Assignment> assignments, const Unchanged &unchanged)
{
    // A key set twice keeps the place of the first setting and the value of the last.
    std::vector<Assignment> unique;
    std::vector<std::size_t> last;
    for (std::size_t i = 0; i < assignments.size(); ++i) {
        const Assignment &assignment = assignments[i];
        const Assignment trimmedNames {trimmed(assignment.section), trimmed(assignment.key), assignment.value};
        const auto same = std::ranges::find_if(unique, [&](const Assignment &a) {
            return sameName(a.section, trimmedNames.section) && sameName(a.key, trimmedNames.key);
        });
        if (same == unique.end()) {
            unique.push_back(trimmedNames);
            last.push_back(i);
        } else {
            same->value = assignment.value;
            last[std::size_t(same - unique.begin())] = i;
        }
    }
    std::vector<Name> names;
    for (const Assignment &assignment : unique)
        names.push_back({assignment.section, assignment.key});
    const std::string_view text = m_bytes;
    const std::vector<Place> places = locate(text, names);
    const std::string eol(lineBreak(text));

    std::vector<Edit> edits;
    std::string atEnd;
    std::vector<std::pair<std::string_view, std::string>> newSections;
    for (std::size_t i = 0; i < unique.size(); ++i) {
        const Place &place = places[i];
        const std::string stored = storedValue(unique[i].value);
        if (place.key) {
            const std::size_t length = place.key->valueEnd - place.key->valueBegin;
            if (!unchanged || !unchanged(last[i], text.substr(place.key->valueBegin, length)))
                edits.push_back({place.key->valueBegin, length, stored});
            continue;
        }
        const std::string entry = std::string(unique[i].key) + '=' + stored;
        if (place.sectionEnd && place.sectionEnd->end < text.size()) {
            // A lone CR before an LF would make one CRLF of them, and the line after would be lost.
            const std::size_t at = place.sectionEnd->end + 1;
            edits.push_back({at, 0, entry + (eol == "\r" && at < text.size() && text[at] == '\n' ? "\r\n" : eol)});
        } else if (place.sectionEnd) {
            atEnd += eol + entry;
        } else {
            const auto section = std::ranges::find_if(
                newSections, [&](const auto &s) { return sameName(s.first, unique[i].section); });
            if (section == newSections.end())
                newSections.emplace_back(unique[i].section, entry + eol);
            else
                section->second += entry + eol;
        }
    }
    // New keys of one section follow each other in the order they were set.
    std::ranges::stable_sort(edits, {}, &Edit::at);

    std::string result;
    result.reserve(text.size() + atEnd.size() + 64 * assignments.size());
    std::size_t copied = 0;
    for (const Edit &edit : edits) {
        result.append(text.substr(copied, edit.at - copied));
        result += edit.inserted;
        copied = edit.at + edit.erased;
    }
    result.append(text.substr(copied));
    result += atEnd;
    for (const auto &[section, entries] : newSections) {
        if (result.size() > bodyStart(result)) {
            if (!endsWithLineBreak(result))
                result += eol;
            if (!endsWithBlankLine(result))
                result += eol;
        }
        result += '[' + std::string(section) + ']' + eol + entries;
    }
    m_bytes = std::move(result);
}

bool ProfileText::isValidSection(std::string_view section)
{
    const std::string_view name = trimmed(section);
    return !name.empty() && name.find_first_of("\r\n") == std::string_view::npos;
}

bool ProfileText::isValidKey(std::string_view key)
{
    const std::string_view name = trimmed(key);
    return !name.empty() && name.find_first_of("\r\n=") == std::string_view::npos && name.front() != ';'
        && name.front() != '[';
}

std::optional<std::int32_t> ProfileText::parseInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;

    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}
