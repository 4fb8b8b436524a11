#include "scores/profilefile.h"

#include "scores/filelock.h"
#include "scores/settingsdisk.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

const char *const FileName = "Tomelor.ini";
// A save holds the lock for milliseconds; a copy that waits this long for it is facing something else.
constexpr int LockTimeoutMs = 10000;

std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

using namespace SettingsDisk;

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{
    if (m_path.isEmpty())
        return;
    QString unreadable;
    TextEncoding::Decoded decoded
        = TextEncoding::decode(readFile(TextEncoding::encodeFileName(m_path), MaxSize, unreadable).value_or(std::string()));
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
    const QString message
        = QStringLiteral("Unable to write to %1").arg(m_path.isEmpty() ? QString::fromLatin1(FileName) : m_path);
    return m_failure.isEmpty() ? message : message + QStringLiteral(": ") + m_failure;
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

bool ProfileFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    return write({ { section, key, value } });
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
    const auto fail = [this](const QString &reason) {
        m_failure = reason;
        return false;
    };
    if (m_path.isEmpty())
        return fail(QStringLiteral("there is no configuration folder (neither XDG_CONFIG_HOME nor HOME is set)"));

    int error = 0;
    const std::optional<QByteArray> target = followLinks(TextEncoding::encodeFileName(m_path), error);
    if (!target || !makeFolders(folderOf(*target), error))
        return fail(systemReason(error));
    const FileLock lock(folderOf(*target) + "/." + nameOf(*target) + ".lock", LockTimeoutMs);
    if (!lock.held()) {
        return fail(lock.error() == EBUSY ? QStringLiteral("another copy of the game keeps it locked")
                                          : systemReason(lock.error()));
    }

    struct stat info;
    const bool exists = ::lstat(target->constData(), &info) == 0;
    if (!exists && errno != ENOENT)
        return fail(systemReason(errno));
    if (exists && !S_ISREG(info.st_mode))
        return fail(notAFile());
    if (const int denied = exists ? writeDenied(*target, info) : 0)
        return fail(systemReason(denied));
    QString unreadable;
    std::optional<std::string> current = readFile(*target, MaxSize, unreadable);
    if (!current)
        return fail(unreadable);

    // change() sees the file as it is now; if the write fails, this accessor reads as it did before.
    TextEncoding::Decoded decoded = TextEncoding::decode(std::move(*current));
    std::swap(m_form, decoded.form);
    ProfileText previous = std::exchange(m_text, ProfileText(std::move(decoded.text)));
    std::swap(m_tail, decoded.tail);
    const auto restore = [&] {
        m_form = decoded.form;
        m_text = std::move(previous);
        m_tail = std::move(decoded.tail);
    };

    const QList<Entry> entries = change(*this);
    for (const Entry &entry : entries) {
        if (!ProfileText::isValidSection(utf8(entry.section)) || !ProfileText::isValidKey(utf8(entry.key))) {
            restore();
            return fail(QStringLiteral("the name \"%1\" cannot be stored").arg(entry.key));
        }
    }
    // A value that reads as it is to be written keeps its bytes, whatever encoding they are in.
    const bool singleByteFile = m_form == TextEncoding::FileForm::EightBit && !TextEncoding::isUtf8(m_text.bytes());
    for (const Entry &entry : entries) {
        const std::string section = utf8(entry.section);
        const std::string key = utf8(entry.key);
        const std::optional<std::string_view> stored = m_text.value(section, key);
        if (!stored || TextEncoding::valueText(*stored) != entry.value)
            m_text.setValue(section, key, TextEncoding::valueBytes(entry.value, singleByteFile));
    }

    removeAbandonedTemporaries(folderOf(*target), nameOf(*target));
    if (!replaceFile(*target, exists ? &info : nullptr, TextEncoding::encode(m_text.bytes(), m_form) + m_tail,
                     error)) {
        restore();
        return fail(systemReason(error));
    }
    return true;
}
