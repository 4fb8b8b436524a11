#include "settings/profilefile.h"

#include "settings/filelock.h"
#include "settings/filereplace.h"
#include "settings/journal.h"
#include "settings/settingsdisk.h"

#include <QCoreApplication>

namespace {

const char *const FileName = "Tomelor.ini";
// A new file can be made by another copy between the look and the creation; one more look then finds it.
constexpr int CreationTries = 3;

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// The section and key names of entries as the profile text takes them.
class Names
{
public:
    explicit Names(const QList<ProfileFile::Entry> &entries)
    {
        m_names.reserve(2 * entries.size());
        for (const ProfileFile::Entry &entry : entries) {
            m_names.push_back(utf8(entry.section));
            m_names.push_back(utf8(entry.key));
        }
        for (std::size_t i = 0; i < m_names.size(); i += 2)
            m_views.push_back({m_names[i], m_names[i + 1]});
    }

    const std::vector<ProfileText::Name> &views() const { return m_views; }

private:
    std::vector<std::string> m_names;
    std::vector<ProfileText::Name> m_views;
};

} // namespace

using namespace SettingsDisk;

ProfileFile::ProfileFile(QString path, std::chrono::milliseconds lockTimeout)
    : m_path(std::move(path))
    , m_lockTimeout(lockTimeout)
{
    if (m_path.isEmpty())
        return;
    // What cannot be read reads as no file.
    QString unreadable;
    std::optional<std::string> bytes;
    if (const std::optional<Place> place = findPlace(TextEncoding::encodeFileName(m_path), Access::Read, unreadable)) {
        std::optional<OpenedFile> file = openAt(*place, Access::Read, unreadable);
        // A crash left the file half rewritten: it is put back under the lock before it is read.
        if (file && file->fd.valid() && Journal::pending(file->info)) {
            const FileLock lock(*place, m_lockTimeout);
            if (std::optional<OpenedFile> locked = openAt(*place, Access::Write, unreadable);
                lock.held() && locked && locked->fd.valid() && locked->writeDenied == 0) {
                Journal::recover(*locked);
                file = openAt(*place, Access::Read, unreadable);
            }
        }
        if (file)
            bytes = readAll(*file, MaxSize, unreadable);
    }
    TextEncoding::Decoded decoded = TextEncoding::decode(std::move(bytes).value_or(std::string()));
    m_form = decoded.form;
    m_text = ProfileText(std::move(decoded.text));
    m_tail = std::move(decoded.tail);
}

QString ProfileFile::defaultPath()
{
    // A relative or empty setting is to be ignored, as if it were not set.
    QByteArray folder = qgetenv("XDG_CONFIG_HOME");
    if (!folder.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/'))
            return QString();
        folder = home + (home.endsWith('/') ? ".config" : "/.config");
    }
    if (!folder.endsWith('/'))
        folder += '/';
    return TextEncoding::decodeFileName(folder + FileName);
}

QString ProfileFile::writeFailureMessage() const
{
    const QString message = QCoreApplication::translate("SettingsFile", "Unable to write to %1")
                                .arg(m_path.isEmpty() ? QString::fromLatin1(FileName) : m_path);
    return m_failure.isEmpty() ? message
                               : QCoreApplication::translate("SettingsFile", "%1: %2").arg(message, m_failure);
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<std::string_view> value = m_text.value(utf8(section), utf8(key));
    return value ? TextEncoding::valueText(*value) : defaultValue;
}

int ProfileFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const std::optional<std::string_view> value = m_text.value(utf8(section), utf8(key));
    if (!value)
        return defaultValue;
    return ProfileText::parseInteger(*value).value_or(defaultValue);
}

QList<QString> ProfileFile::readStrings(const QList<Entry> &keysWithDefaults) const
{
    const std::vector<std::optional<std::string_view>> values = m_text.values(Names(keysWithDefaults).views());
    QList<QString> found;
    for (qsizetype i = 0; i < keysWithDefaults.size(); ++i)
        found.append(values[i] ? TextEncoding::valueText(*values[i]) : keysWithDefaults[i].value);
    return found;
}

int ProfileFile::toInteger(const QString &text, int defaultValue)
{
    return ProfileText::parseInteger(utf8(text)).value_or(defaultValue);
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    return write({{section, key, value}});
}

bool ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool ProfileFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeInteger(section, key, value ? 1 : 0);
}

bool ProfileFile::write(const QList<Entry> &entries)
{
    return update([&](const ProfileFile &) { return entries; });
}

bool ProfileFile::update(const std::function<QList<Entry>(const ProfileFile &current)> &change)
{
    m_failure.clear();
    if (m_path.isEmpty())
        return fail(QCoreApplication::translate(
            "SettingsFile", "there is no configuration folder (neither XDG_CONFIG_HOME nor HOME is set)"));
    for (int attempt = 0; attempt < CreationTries; ++attempt) {
        QString reason;
        const std::optional<Place> place = findPlace(TextEncoding::encodeFileName(m_path), Access::Write, reason);
        if (!place)
            return fail(reason);
        const FileLock lock(*place, m_lockTimeout);
        if (!lock.held())
            return fail(lock.failure());
        // Opened under the lock, so that what is read is what the last save wrote.
        std::optional<OpenedFile> file = openAt(*place, Access::Write, reason);
        if (file && file->fd.valid() && file->writeDenied == 0 && Journal::pending(file->info)) {
            Journal::recover(*file);
            file = openAt(*place, Access::Write, reason);
        }
        if (!file)
            return fail(reason);
        if (!file->fd.valid() && place->elsewhere)
            return fail(missingElsewhere());
        const std::optional<std::string> current = readAll(*file, MaxSize, reason);
        if (!current)
            return fail(reason);
        switch (save(*place, file->fd.valid() ? &*file : nullptr, *current, change, reason)) {
        case Replacement::Done:
            return true;
        case Replacement::Failed:
            return fail(reason);
        case Replacement::CreatedMeanwhile:
            break;
        }
    }
    return fail(systemReason(EEXIST));
}

bool ProfileFile::fail(const QString &reason)
{
    m_failure = reason;
    return false;
}

Replacement ProfileFile::save(const Place &place, const OpenedFile *file, const std::string &current,
    const std::function<QList<Entry>(const ProfileFile &current)> &change, QString &reason)
{
    // change() sees the file as it is now; if the write fails, this accessor reads as it did before.
    TextEncoding::Decoded decoded = TextEncoding::decode(current);
    std::swap(m_form, decoded.form);
    ProfileText previous = std::exchange(m_text, ProfileText(std::move(decoded.text)));
    std::swap(m_tail, decoded.tail);
    const auto restore = [&](Replacement outcome) {
        m_form = decoded.form;
        m_text = std::move(previous);
        m_tail = std::move(decoded.tail);
        return outcome;
    };

    const QList<Entry> entries = change(*this);
    for (const Entry &entry : entries) {
        if (!ProfileText::isValidSection(utf8(entry.section)) || !ProfileText::isValidKey(utf8(entry.key))) {
            reason = QCoreApplication::translate("SettingsFile", "the name \"%1\" cannot be stored").arg(entry.key);
            return restore(Replacement::Failed);
        }
    }
    // A value that reads as it is to be written keeps its bytes, whatever encoding they are in.
    const Names names(entries);
    const std::vector<std::optional<std::string_view>> stored = m_text.values(names.views());
    const bool singleByteFile = m_form == TextEncoding::FileForm::EightBit && !TextEncoding::isUtf8(m_text.bytes());
    std::vector<std::string> values;
    values.reserve(entries.size());
    std::vector<ProfileText::Assignment> assignments;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (stored[i] && TextEncoding::valueText(*stored[i]) == entries[i].value)
            continue;
        values.push_back(TextEncoding::valueBytes(entries[i].value, singleByteFile));
        assignments.push_back({names.views()[i].section, names.views()[i].key, values.back()});
    }
    m_text.setValues(assignments);

    const std::string bytes = TextEncoding::encode(m_text.bytes(), m_form) + m_tail;
    // A file the game could no longer read would lose every score in it.
    if (qint64(bytes.size()) > MaxSize) {
        reason = tooLarge(MaxSize);
        return restore(Replacement::Failed);
    }
    removeAbandonedTemporaries(place);
    const Replacement outcome = replaceFile(place, file, current, bytes, reason);
    return outcome == Replacement::Done ? outcome : restore(outcome);
}
