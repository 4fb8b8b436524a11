#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The bytes of a sectioned profile file, read and edited the way the classic profile reader and writer do.
//
// Reading: a line "[name]" opens a section; "key = value" lines follow it. Section and key names compare without
// regard to ASCII case, blanks around names and values are ignored, lines starting with ';' are comments, lines end
// in LF, CRLF or CR and a UTF-8 byte-order mark at the start is skipped. Of two sections or keys of the same name the
// first one counts. Lines that fit none of these forms are ignored.
//
// Editing changes only the bytes it has to: a key's value is replaced where it stands, a new key goes after the
// last line of its section, a new section at the end of the text. Everything else stays byte for byte.
//
// Many keys are read or set in one pass over the text, so that a large file costs one pass per save, not one per
// key.
class ProfileText
{
public:
    struct Name
    {
        std::string_view section;
        std::string_view key;
    };
    struct Assignment
    {
        std::string_view section;
        std::string_view key;
        std::string_view value;
    };

    ProfileText() = default;
    explicit ProfileText(std::string bytes);

    const std::string &bytes() const { return m_bytes; }

    // The value of the key, trimmed; empty when the line has nothing after '='; nothing when section or key is
    // absent.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    // The values of many keys, in their order.
    std::vector<std::optional<std::string_view>> values(std::span<const Name> names) const;

    // Names must be valid. Line breaks in the value would split its line, so they are stored as blanks; blanks
    // around the value are left out, as reading would drop them.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Sets them all as setting them one after the other would, except that a key named twice is set once, where
    // its first naming puts it, to the last value. A key whose stored value unchanged() accepts (given the index of
    // the assignment and the value's bytes) keeps its bytes.
    using Unchanged = std::function<bool(std::size_t index, std::string_view stored)>;
    void setValues(std::span<const Assignment> assignments, const Unchanged &unchanged = {});

    // Whether a name can be written so that it reads back as itself.
    static bool isValidSection(std::string_view section);
    static bool isValidKey(std::string_view key);

    // An integer value: decimal, or hexadecimal after "$", "0x" or "0X", with an optional sign. Decimal text must
    // lie in the signed 32-bit range; hexadecimal text may use all 32 bits, the top one being the sign. Anything
    // else is no integer.
    static std::optional<std::int32_t> parseInteger(std::string_view text);

private:
    std::string m_bytes;
};
