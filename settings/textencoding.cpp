#include "settings/textencoding.h"

#include <algorithm>

namespace TextEncoding {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool isHighSurrogate(std::uint32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(std::uint32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// UTF-8 of any code point up to U+10FFFF, surrogates included: an unpaired one read from UTF-16 is kept this way.
void appendUtf8(std::string &out, std::uint32_t point)
{
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | point >> 6);
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | point >> 12);
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | point >> 18);
        out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

void appendUnit(std::string &out, std::uint32_t unit, FileForm form)
{
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    if (form == FileForm::Utf16BigEndian) {
        out += high;
        out += low;
    } else {
        out += low;
        out += high;
    }
}

// The length of the sequence a lead byte opens; 0 for a byte that opens none.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC0 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    return 0;
}

} // namespace

bool isUtf8(std::string_view bytes)
{
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8();
}

Decoded decode(std::string bytes)
{
    Decoded decoded;
    if (bytes.starts_with("\xFF\xFE"))
        decoded.form = FileForm::Utf16LittleEndian;
    else if (bytes.starts_with("\xFE\xFF"))
        decoded.form = FileForm::Utf16BigEndian;
    else {
        decoded.text = std::move(bytes);
        return decoded;
    }

    const bool big = decoded.form == FileForm::Utf16BigEndian;
    const auto unitAt = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return big ? std::uint32_t(first << 8 | second) : std::uint32_t(second << 8 | first);
    };
    std::string &text = decoded.text;
    text.reserve(bytes.size());
    const std::size_t end = bytes.size() & ~std::size_t(1);
    for (std::size_t at = 0; at < end; at += 2) {
        const std::uint32_t unit = unitAt(at);
        if (isHighSurrogate(unit) && at + 2 < end && isLowSurrogate(unitAt(at + 2))) {
            appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00));
            at += 2;
        } else {
            appendUtf8(text, unit);
        }
    }
    // A last odd byte is no character; it is kept aside and goes back at the end.
    decoded.tail = bytes.substr(end);
    return decoded;
}

std::string encode(std::string_view text, FileForm form)
{
    if (form == FileForm::EightBit)
        return std::string(text);
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int length = sequenceLength(lead);
        if (length == 0 || at + length > text.size()) {
            // No UTF-8: the byte stands for the character of its value.
            appendUnit(out, lead, form);
            ++at;
            continue;
        }
        std::uint32_t point = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int i = 1; i < length; ++i)
            point = point << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        at += length;
        if (point >= 0x10000) {
            point -= 0x10000;
            appendUnit(out, 0xD800 + (point >> 10), form);
            appendUnit(out, 0xDC00 + (point & 0x3FF), form);
        } else {
            appendUnit(out, point, form);
        }
    }
    return out;
}

QString valueText(std::string_view bytes)
{
    const auto size = static_cast<qsizetype>(bytes.size());
    return isUtf8(bytes) ? QString::fromUtf8(bytes.data(), size) : QString::fromLatin1(bytes.data(), size);
}

std::string valueBytes(const QString &value, bool singleByteFile)
{
    const bool fits = std::ranges::all_of(value, [](QChar c) { return c.unicode() <= 0xFF; });
    return (singleByteFile && fits ? value.toLatin1() : value.toUtf8()).toStdString();
}

QString decodeFileName(const QByteArray &bytes)
{
    QString name;
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = sequenceLength(static_cast<unsigned char>(bytes[at]));
        const QByteArray sequence = bytes.mid(at, std::max(length, 1));
        if (length > 0 && sequence.size() == length && isUtf8(sequence.toStdString())) {
            name += QString::fromUtf8(sequence);
            at += length;
        } else {
            name += QChar(char16_t(EscapeBase + static_cast<unsigned char>(bytes[at])));
            ++at;
        }
    }
    return name;
}

QByteArray encodeFileName(const QString &name)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name[at].unicode();
        const bool escaped = unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF
            && (at == 0 || !name[at - 1].isHighSurrogate());
        if (!escaped)
            continue;
        bytes += name.mid(runStart, at - runStart).toUtf8();
        bytes += static_cast<char>(unit - EscapeBase);
        runStart = at + 1;
    }
    bytes += name.mid(runStart).toUtf8();
    return bytes;
}

} // namespace TextEncoding
