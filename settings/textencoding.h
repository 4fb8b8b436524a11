#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

// The encodings a settings file written by other programs may come in, converted without losing a byte: whatever
// is read and written back unchanged comes out as it went in.
namespace TextEncoding {

// How a whole file is stored. An 8-bit file is edited as it stands; a UTF-16 file (known by its byte-order mark)
// is edited as UTF-8 and turned back into UTF-16 of the same byte order when written.
enum class FileForm { EightBit, Utf16LittleEndian, Utf16BigEndian };

struct Decoded
{
    FileForm form = FileForm::EightBit;
    std::string text;
    // The odd last byte of a UTF-16 file, which is no character; it belongs after the encoded text.
    std::string tail;
};

// UTF-16 becomes UTF-8 with its byte-order mark; unpaired surrogates are carried along in a form that encode()
// turns back into the same units.
Decoded decode(std::string bytes);
std::string encode(std::string_view text, FileForm form);

// A value of an 8-bit file: UTF-8 where it is valid UTF-8, else the single-byte text older programs wrote.
QString valueText(std::string_view bytes);
// How a value is stored: in UTF-8, unless the file already holds single-byte text and the value fits it.
std::string valueBytes(const QString &value, bool singleByteFile);

bool isUtf8(std::string_view bytes);

// File names are bytes. Bytes that are no UTF-8 are kept in the text as the code points U+DC80 to U+DCFF, so that
// a name read from the environment names the same file when it is turned back into bytes.
QString decodeFileName(const QByteArray &bytes);
QByteArray encodeFileName(const QString &name);

} // namespace TextEncoding
