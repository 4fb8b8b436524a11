#include "game/catalogue.h"

namespace {

std::string_view entry(Testament testament, int tag, const auto &oldNames, const auto &newNames)
{
    if (tag < 1 || tag > bookCount(testament))
        return {};
    return testament == Testament::New ? newNames[tag - 1] : oldNames[tag - 1];
}

} // namespace

std::string_view bookName(Testament testament, int tag)
{
    return entry(testament, tag, OTBookNames, NTBookNames);
}

std::string_view shortBookName(Testament testament, int tag)
{
    return entry(testament, tag, OTShortNames, NTShortNames);
}

QString testamentName(Testament testament)
{
    return testament == Testament::New ? QStringLiteral("New Testament") : QStringLiteral("Old Testament");
}

QString spokenBookName(Testament testament, int tag)
{
    const QString name = QString::fromUtf8(bookName(testament, tag));
    static const std::array<std::pair<QString, QString>, 3> numbers {{
        {QStringLiteral("III "), QStringLiteral("3 ")},
        {QStringLiteral("II "), QStringLiteral("2 ")},
        {QStringLiteral("I "), QStringLiteral("1 ")},
    }};
    for (const auto &[roman, digits] : numbers) {
        if (name.startsWith(roman))
            return digits + name.mid(roman.size());
    }
    return name;
}
