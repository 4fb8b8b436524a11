#pragma once

#include "scores/profiletext.h"

#include <QList>
#include <QString>

// The settings file: typed reads and writes of single keys of a sectioned profile file (see ProfileText for the
// form). Reads see the file as it was when the accessor was opened, or as this accessor last wrote it.
//
// Every write reads the file afresh, changes its keys and replaces the whole file in one step: the new text goes to
// a temporary file in the same folder, is flushed to the disk and renamed over the old file. So whatever happens,
// the file on disk is the old one or the new one, never a mixture; and a write that fails changes nothing.
class ProfileFile
{
public:
    struct Entry
    {
        QString section;
        QString key;
        QString value;
    };

    explicit ProfileFile(QString path);

    // "Tomelor.ini" in the user's configuration folder: $XDG_CONFIG_HOME, else ~/.config.
    static QString defaultPath();

    const QString &path() const { return m_path; }
    // The error to show the player when a write fails.
    QString writeFailureMessage() const;

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // False when the file could not be replaced (it is then as it was) or a name cannot be stored.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    // All the entries, in order, in one replacement of the file: all of them are stored or none.
    bool write(const QList<Entry> &entries);

private:
    QString m_path;
    ProfileText m_text;
};
