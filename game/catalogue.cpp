#include "game/catalogue.h"

namespace {

std::string_view entry(Testament testament, int tag, const auto &oldNames, const auto &newNames)
{
    if (tag < 1 || tag > bookCount(testament))
        return {};
    return testament == Testament::New ? newNames[tag - 1] : oldNames[tag - 1];
}

// The names are string literals, so each view ends where its literal's terminating zero lies.
QString translated(const char *context, std::string_view name)
{
    return name.empty() ? QString() : QCoreApplication::translate(context, name.data());
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

QString shownBookName(Testament testament, int tag)
{
    return translated("Catalogue", bookName(testament, tag));
}

QString shownShortBookName(Testament testament, int tag)
{
    return translated("Catalogue short name", shortBookName(testament, tag));
}

QString testamentName(Testament testament)
{
    return testament == Testament::New ? QCoreApplication::translate("Catalogue", "New Testament")
                                       : QCoreApplication::translate("Catalogue", "Old Testament");
}

QString spokenBookName(Testament testament, int tag)
{
    const QString name = shownBookName(testament, tag);
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
