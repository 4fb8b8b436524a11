#include "platform/accessibility.h"

#include <QAccessible>
#include <QHash>
#include <QString>

namespace {

QHash<QString, Platform::Describer> &describers()
{
    static QHash<QString, Platform::Describer> byClass;
    return byClass;
}

QAccessibleInterface *describe(const QString &className, QObject *object)
{
    const Platform::Describer describer = describers().value(className);
    return describer ? describer(object) : nullptr;
}

} // namespace

namespace Platform {

void describeClass(const char *className, Describer describer)
{
    static const bool installed = (QAccessible::installFactory(describe), true);
    Q_UNUSED(installed);
    describers().insert(QString::fromLatin1(className), describer);
}

} // namespace Platform
