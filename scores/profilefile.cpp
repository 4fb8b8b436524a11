#include "scores/profilefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const FileName = "Tomelor.ini";

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// The whole file; empty when there is none. Nothing when it is there but cannot be read, so that a write never
// takes an unreadable file for an empty one.
std::optional<std::string> readFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::string();
        return std::nullopt;
    }
    std::string bytes;
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            bytes.append(buffer, static_cast<std::size_t>(count));
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            ::close(fd);
            return std::nullopt;
        }
    }
    ::close(fd);
    return bytes;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// A new, empty file of a name no one else uses, next to the target so that renaming it over the target is one step.
int createTemporary(const QString &folder, const QString &targetName, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString unique = QString::number(QRandomGenerator::global()->generate64(), 16);
        name = QFile::encodeName(QDir(folder).filePath(QLatin1Char('.') + targetName + QLatin1Char('.') + unique));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself survive a power cut; the data is already safe, so a failure here is no failure of the
// write.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool replaceFile(const QString &path, std::string_view bytes)
{
    const QFileInfo link(path);
    const QFileInfo target(link.isSymLink() && link.exists() ? link.canonicalFilePath() : link.absoluteFilePath());
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return false;

    QByteArray temporary;
    const int fd = createTemporary(folder, target.fileName(), temporary);
    if (fd < 0)
        return false;
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    struct stat old;
    if (::stat(targetName.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.constData(), targetName.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
    , m_text(readFile(QFile::encodeName(m_path)).value_or(std::string()))
{
}

QString ProfileFile::defaultPath()
{
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative or empty setting is to be ignored, as if it were not set.
    if (!QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return QDir(folder).filePath(QString::fromLatin1(FileName));
}

QString ProfileFile::writeFailureMessage() const
{
    return QStringLiteral("Unable to write to %1").arg(m_path);
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<std::string_view> value = m_text.value(utf8(section), utf8(key));
    if (!value)
        return defaultValue;
    return QString::fromUtf8(value->data(), static_cast<qsizetype>(value->size()));
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
    for (const Entry &entry : entries) {
        if (!ProfileText::isValidSection(utf8(entry.section)) || !ProfileText::isValidKey(utf8(entry.key)))
            return false;
    }
    std::optional<std::string> current = readFile(QFile::encodeName(m_path));
    if (!current)
        return false;
    ProfileText text(std::move(*current));
    for (const Entry &entry : entries)
        text.setValue(utf8(entry.section), utf8(entry.key), utf8(entry.value));
    if (!replaceFile(m_path, text.bytes()))
        return false;
    m_text = std::move(text);
    return true;
}
