#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>
#include <string_view>

// The books of both testaments in canonical order. A book's tag is its 1-based position; the names are lettered
// onto the book pictures and read out by screen readers, the rules never look at them. The names here are the
// English source texts: the player sees and hears them through the translation (shownBookName), and nothing stored
// ever holds a name.
enum class Testament { Old, New };

constexpr int OTBookCount = 39;
constexpr int NTBookCount = 27;

constexpr std::array<std::string_view, OTBookCount> OTBookNames {
    QT_TRANSLATE_NOOP("Catalogue", "Genesis"),
    QT_TRANSLATE_NOOP("Catalogue", "Exodus"),
    QT_TRANSLATE_NOOP("Catalogue", "Leviticus"),
    QT_TRANSLATE_NOOP("Catalogue", "Numbers"),
    QT_TRANSLATE_NOOP("Catalogue", "Deuteronomy"),
    QT_TRANSLATE_NOOP("Catalogue", "Joshua"),
    QT_TRANSLATE_NOOP("Catalogue", "Judges"),
    QT_TRANSLATE_NOOP("Catalogue", "Ruth"),
    QT_TRANSLATE_NOOP("Catalogue", "I Samuel"),
    QT_TRANSLATE_NOOP("Catalogue", "II Samuel"),
    QT_TRANSLATE_NOOP("Catalogue", "I Kings"),
    QT_TRANSLATE_NOOP("Catalogue", "II Kings"),
    QT_TRANSLATE_NOOP("Catalogue", "I Chronicles"),
    QT_TRANSLATE_NOOP("Catalogue", "II Chronicles"),
    QT_TRANSLATE_NOOP("Catalogue", "Ezra"),
    QT_TRANSLATE_NOOP("Catalogue", "Nehemiah"),
    QT_TRANSLATE_NOOP("Catalogue", "Esther"),
    QT_TRANSLATE_NOOP("Catalogue", "Job"),
    QT_TRANSLATE_NOOP("Catalogue", "Psalms"),
    QT_TRANSLATE_NOOP("Catalogue", "Proverbs"),
    QT_TRANSLATE_NOOP("Catalogue", "Ecclesiastes"),
    QT_TRANSLATE_NOOP("Catalogue", "Song of Solomon"),
    QT_TRANSLATE_NOOP("Catalogue", "Isaiah"),
    QT_TRANSLATE_NOOP("Catalogue", "Jeremiah"),
    QT_TRANSLATE_NOOP("Catalogue", "Lamentations"),
    QT_TRANSLATE_NOOP("Catalogue", "Ezekiel"),
    QT_TRANSLATE_NOOP("Catalogue", "Daniel"),
    QT_TRANSLATE_NOOP("Catalogue", "Hosea"),
    QT_TRANSLATE_NOOP("Catalogue", "Joel"),
    QT_TRANSLATE_NOOP("Catalogue", "Amos"),
    QT_TRANSLATE_NOOP("Catalogue", "Obadiah"),
    QT_TRANSLATE_NOOP("Catalogue", "Jonah"),
    QT_TRANSLATE_NOOP("Catalogue", "Micah"),
    QT_TRANSLATE_NOOP("Catalogue", "Nahum"),
    QT_TRANSLATE_NOOP("Catalogue", "Habakkuk"),
    QT_TRANSLATE_NOOP("Catalogue", "Zephaniah"),
    QT_TRANSLATE_NOOP("Catalogue", "Haggai"),
    QT_TRANSLATE_NOOP("Catalogue", "Zechariah"),
    QT_TRANSLATE_NOOP("Catalogue", "Malachi"),
};

constexpr std::array<std::string_view, NTBookCount> NTBookNames {
    QT_TRANSLATE_NOOP("Catalogue", "Matthew"),
    QT_TRANSLATE_NOOP("Catalogue", "Mark"),
    QT_TRANSLATE_NOOP("Catalogue", "Luke"),
    QT_TRANSLATE_NOOP("Catalogue", "John"),
    QT_TRANSLATE_NOOP("Catalogue", "Acts"),
    QT_TRANSLATE_NOOP("Catalogue", "Romans"),
    QT_TRANSLATE_NOOP("Catalogue", "I Corinthians"),
    QT_TRANSLATE_NOOP("Catalogue", "II Corinthians"),
    QT_TRANSLATE_NOOP("Catalogue", "Galatians"),
    QT_TRANSLATE_NOOP("Catalogue", "Ephesians"),
    QT_TRANSLATE_NOOP("Catalogue", "Philippians"),
    QT_TRANSLATE_NOOP("Catalogue", "Colossians"),
    QT_TRANSLATE_NOOP("Catalogue", "I Thessalonians"),
    QT_TRANSLATE_NOOP("Catalogue", "II Thessalonians"),
    QT_TRANSLATE_NOOP("Catalogue", "I Timothy"),
    QT_TRANSLATE_NOOP("Catalogue", "II Timothy"),
    QT_TRANSLATE_NOOP("Catalogue", "Titus"),
    QT_TRANSLATE_NOOP("Catalogue", "Philemon"),
    QT_TRANSLATE_NOOP("Catalogue", "Hebrews"),
    QT_TRANSLATE_NOOP("Catalogue", "James"),
    QT_TRANSLATE_NOOP("Catalogue", "I Peter"),
    QT_TRANSLATE_NOOP("Catalogue", "II Peter"),
    QT_TRANSLATE_NOOP("Catalogue", "I John"),
    QT_TRANSLATE_NOOP("Catalogue", "II John"),
    QT_TRANSLATE_NOOP("Catalogue", "III John"),
    QT_TRANSLATE_NOOP("Catalogue", "Jude"),
    QT_TRANSLATE_NOOP("Catalogue", "Revelation"),
};

// The names shortened as Bible references shorten them, for where the full names do not fit.
constexpr std::array<std::string_view, OTBookCount> OTShortNames {
    QT_TRANSLATE_NOOP("Catalogue short name", "Gen"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Exod"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Lev"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Num"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Deut"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Josh"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Judg"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Ruth"),
    QT_TRANSLATE_NOOP("Catalogue short name", "I Sam"),
    QT_TRANSLATE_NOOP("Catalogue short name", "II Sam"),
    QT_TRANSLATE_NOOP("Catalogue short name", "I Kgs"),
    QT_TRANSLATE_NOOP("Catalogue short name", "II Kgs"),
    QT_TRANSLATE_NOOP("Catalogue short name", "I Chr"),
    QT_TRANSLATE_NOOP("Catalogue short name", "II Chr"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Ezra"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Neh"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Esth"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Job"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Ps"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Prov"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Eccl"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Song"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Isa"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Jer"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Lam"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Ezek"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Dan"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Hos"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Joel"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Amos"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Obad"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Jonah"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Mic"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Nah"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Hab"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Zeph"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Hag"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Zech"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Mal"),
};

constexpr std::array<std::string_view, NTBookCount> NTShortNames {
    QT_TRANSLATE_NOOP("Catalogue short name", "Matt"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Mark"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Luke"),
    QT_TRANSLATE_NOOP("Catalogue short name", "John"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Acts"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Rom"),
    QT_TRANSLATE_NOOP("Catalogue short name", "I Cor"),
    QT_TRANSLATE_NOOP("Catalogue short name", "II Cor"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Gal"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Eph"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Phil"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Col"),
    QT_TRANSLATE_NOOP("Catalogue short name", "I Thess"),
    QT_TRANSLATE_NOOP("Catalogue short name", "II Thess"),
    QT_TRANSLATE_NOOP("Catalogue short name", "I Tim"),
    QT_TRANSLATE_NOOP("Catalogue short name", "II Tim"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Titus"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Phlm"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Heb"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Jas"),
    QT_TRANSLATE_NOOP("Catalogue short name", "I Pet"),
    QT_TRANSLATE_NOOP("Catalogue short name", "II Pet"),
    QT_TRANSLATE_NOOP("Catalogue short name", "I John"),
    QT_TRANSLATE_NOOP("Catalogue short name", "II John"),
    QT_TRANSLATE_NOOP("Catalogue short name", "III John"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Jude"),
    QT_TRANSLATE_NOOP("Catalogue short name", "Rev"),
};

constexpr int bookCount(Testament testament)
{
    return testament == Testament::New ? NTBookCount : OTBookCount;
}

// The English name of the book with the given tag (1-based); empty for a tag outside the testament.
std::string_view bookName(Testament testament, int tag);

// The English short name of the book with the given tag; empty for a tag outside the testament.
std::string_view shortBookName(Testament testament, int tag);

// The book's name and short name in the player's language, as the most widely read Bible of that language writes
// them.
QString shownBookName(Testament testament, int tag);
QString shownShortBookName(Testament testament, int tag);

// "Old Testament" or "New Testament", as the windows name it to screen readers.
QString testamentName(Testament testament);

// The shown name as a screen reader should say it: a leading Roman number becomes digits ("I Samuel" is
// "1 Samuel", not the pronoun).
QString spokenBookName(Testament testament, int tag);
