#pragma once

#include "settings/profiletext.h"
#include "settings/textencoding.h"

#include <QList>
#include <QString>

#include <chrono>
#include <functional>

namespace SettingsDisk {
struct Place;
struct OpenedFile;
enum class Replacement;
} // namespace SettingsDisk

// The settings file: typed reads and writes of single keys of a sectioned profile file (see ProfileText for the
// form). Reads see the file as it was when the accessor was opened, or as this accessor last wrote it.
//
// Every write takes the lock that copies of the program share (see FileLock), reads the file afresh, changes its
// keys and replaces the whole file (see SettingsDisk::replaceFile): whatever happens, the file on disk is the old
// one or the new one, never a mixture, once it has been read again; and a write that fails changes nothing. Reading
// the file and changing its keys take one pass over it each, however many keys there are. Both may wait for the
// lock, so the game does them off its window's thread (see SettingsStore).
//
// Only a regular file of at most MaxSize bytes is read or written, after following the links the player or the
// superuser made; a link whose target is missing gets its target created only in its own folder. A file the player
// may not write, or that nobody may write, is left alone. Keys that are not written keep their bytes, whatever
// their encoding; a UTF-16 file stays UTF-16.
class ProfileFile
{
public:
    struct Entry
    {
        QString section;
        QString key;
        QString value;
    };

    static constexpr qint64 MaxSize = 16 * 1024 * 1024;
    // A save holds the lock for milliseconds; a copy that waits this long for it is facing something else.
    static constexpr std::chrono::milliseconds LockTimeout {10000};

    explicit ProfileFile(QString path, std::chrono::milliseconds lockTimeout = LockTimeout);

    // "Tomelor.ini" in the user's configuration folder: $XDG_CONFIG_HOME, else ~/.config; empty when neither
    // names a folder.
    static QString defaultPath();

    const QString &path() const { return m_path; }
    // The error to show the player when a write failed, with its reason.
    QString writeFailureMessage() const;

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    // Many keys at once, each entry's value being its default.
    QList<QString> readStrings(const QList<Entry> &keysWithDefaults) const;
    // An integer value, as readInteger() takes it.
    static int toInteger(const QString &text, int defaultValue);

    // False when the file could not be replaced (it is then as it was) or a name cannot be stored.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    // All the entries, in order, in one replacement of the file: all of them are stored or none.
    bool write(const QList<Entry> &entries);
    // Like write(), with entries made from the file as it is under the lock: no other copy of the program writes
    // between the reading that change() sees and the writing of what it returns.
    bool update(const std::function<QList<Entry>(const ProfileFile &current)> &change);

private:
    bool fail(const QString &reason);
    // Puts the entries change() makes into the file read as `current`.
    SettingsDisk::Replacement save(const SettingsDisk::Place &place, const SettingsDisk::OpenedFile *file,
        const std::string &current, const std::function<QList<Entry>(const ProfileFile &current)> &change,
        QString &reason);

    QString m_path;
    std::chrono::milliseconds m_lockTimeout;
    TextEncoding::FileForm m_form = TextEncoding::FileForm::EightBit;
    ProfileText m_text;
    std::string m_tail; // an odd last byte of a UTF-16 file
    QString m_failure;
};
