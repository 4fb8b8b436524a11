#include "game/progress.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

int saturatedSum(int a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    return static_cast<int>(std::min<long long>(sum, std::numeric_limits<int>::max()));
}

// The books that pass, ordered by the figure, highest first; a stable sort keeps the Bible's order among equals.
template <typename Figure> QList<int> highest(const std::vector<BookProgress> &books, int count, Figure figure)
{
    std::vector<int> indexes(books.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    std::erase_if(indexes, [&](int index) { return !(figure(books[index]) > 0); });
    std::ranges::stable_sort(indexes, [&](int a, int b) { return figure(books[a]) > figure(books[b]); });
    indexes.resize(std::min<std::size_t>(indexes.size(), std::max(count, 0)));
    return QList<int>(indexes.begin(), indexes.end());
}

} // namespace

BookProgress &BookProgress::operator+=(const BookProgress &other)
{
    games = saturatedSum(games, other.games);
    found = saturatedSum(found, other.found);
    timeouts = saturatedSum(timeouts, other.timeouts);
    wrong = saturatedSum(wrong, other.wrong);
    tenths = saturatedSum(tenths, other.tenths);
    return *this;
}

double BookProgress::averageSeconds() const
{
    return games > 0 ? tenths / 10.0 / games : 0.0;
}

double BookProgress::costPerGame() const
{
    return games > 0 ? (static_cast<double>(wrong) + timeouts) / games : 0.0;
}

Progress::Progress(Testament testament)
    : m_testament(testament)
    , m_books(bookCount(testament))
{
}

Progress &Progress::operator+=(const Progress &other)
{
    for (std::size_t index = 0; index < m_books.size() && index < other.m_books.size(); ++index)
        m_books[index] += other.m_books[index];
    return *this;
}

bool Progress::played() const
{
    return std::ranges::any_of(m_books, [](const BookProgress &book) { return book.games > 0; });
}

QList<int> Progress::slowest(int count) const
{
    return highest(m_books, count, [](const BookProgress &book) { return book.averageSeconds(); });
}

QList<int> Progress::costliest(int count) const
{
    return highest(m_books, count, [](const BookProgress &book) { return book.costPerGame(); });
}

std::optional<double> Progress::cost(const Section &section) const
{
    double sum = 0;
    int wanted = 0;
    for (int index = section.first; index <= section.last() && index < int(m_books.size()); ++index) {
        const BookProgress &book = m_books[index];
        if (book.games > 0) {
            sum += book.averageSeconds() + SecondsPerMistake * book.costPerGame();
            ++wanted;
        }
    }
    if (wanted == 0)
        return std::nullopt;
    return sum / wanted;
}

Section Progress::sectionToPractise() const
{
    const std::span<const Section> all = sections(m_testament);
    // A section never played is more to learn than any that was.
    const auto costOf
        = [this](const Section &section) { return cost(section).value_or(std::numeric_limits<double>::infinity()); };
    return *std::ranges::max_element(all, [&](const Section &a, const Section &b) { return costOf(a) < costOf(b); });
}
