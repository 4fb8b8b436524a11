#pragma once

#include <QByteArray>
#include <QtEndian>

// The Windows file formats the generator writes store every number least significant byte first.
namespace LittleEndian {

inline void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

inline void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace LittleEndian
