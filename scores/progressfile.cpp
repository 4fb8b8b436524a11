#include "scores/progressfile.h"

#include "scores/settingskeys.h"

#include <QStringList>

#include <array>

namespace {

constexpr int FieldCount = 5;

QString section(Testament testament)
{
    return QString::fromLatin1(
        testament == Testament::New ? SettingsKeys::NTProgressSection : SettingsKeys::OTProgressSection);
}

QString bookKey(int index)
{
    return QString::number(index + 1);
}

// A count as the file writes it: plain decimal digits, no sign, within an int.
std::optional<int> count(const QString &field)
{
    const QString digits = field.trimmed();
    if (digits.isEmpty() || !std::ranges::all_of(digits, [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool fits = false;
    const int value = digits.toInt(&fits);
    return fits ? std::optional<int>(value) : std::nullopt;
}

ProfileFile::Entry entry(Testament testament, int index, const BookProgress &book)
{
    return {section(testament), bookKey(index), ProgressFile::format(book)};
}

// Every book's key of the testament, each with the value given, to be read in one pass or written.
QList<ProfileFile::Entry> keys(Testament testament, const QString &value = QString())
{
    QList<ProfileFile::Entry> keys;
    for (int index = 0; index < bookCount(testament); ++index)
        keys.append({section(testament), bookKey(index), value});
    return keys;
}

} // namespace

namespace ProgressFile {

std::optional<BookProgress> parse(const QString &value)
{
    const QStringList fields = value.split(u',');
    if (fields.size() != FieldCount)
        return std::nullopt;
    std::array<int, FieldCount> counts {};
    for (int field = 0; field < FieldCount; ++field) {
        const std::optional<int> figure = count(fields[field]);
        if (!figure)
            return std::nullopt;
        counts[field] = *figure;
    }
    const BookProgress book {counts[0], counts[1], counts[2], counts[3], counts[4]};
    // A book is found or timed out at most once a game.
    if (static_cast<long long>(book.found) + book.timeouts > book.games)
        return std::nullopt;
    return book;
}

QString format(const BookProgress &book)
{
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(book.games)
        .arg(book.found)
        .arg(book.timeouts)
        .arg(book.wrong)
        .arg(book.tenths);
}

Progress load(const ProfileFile &file, Testament testament)
{
    const QList<QString> values = file.readStrings(keys(testament));
    Progress progress(testament);
    for (int index = 0; index < bookCount(testament); ++index)
        progress[index] = parse(values[index]).value_or(BookProgress());
    return progress;
}

bool add(ProfileFile &file, const Progress &game)
{
    return file.update([&](const ProfileFile &current) {
        Progress sum = load(current, game.testament());
        sum += game;
        QList<ProfileFile::Entry> written;
        for (int index = 0; index < int(game.books().size()); ++index) {
            if (game[index].games > 0)
                written.append(entry(game.testament(), index, sum[index]));
        }
        return written;
    });
}

bool forget(ProfileFile &file)
{
    return file.update([](const ProfileFile &current) {
        // Only keys that hold something are written, so that a file without progress gains no sections.
        const QString nothing = format(BookProgress());
        QList<ProfileFile::Entry> cleared;
        for (const Testament testament : {Testament::Old, Testament::New}) {
            const QList<ProfileFile::Entry> books = keys(testament, nothing);
            const QList<QString> values = current.readStrings(books);
            for (qsizetype index = 0; index < books.size(); ++index) {
                if (values[index] != nothing)
                    cleared.append(books[index]);
            }
        }
        return cleared;
    });
}

} // namespace ProgressFile
