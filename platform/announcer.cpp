#include "platform/announcer.h"

#include "platform/accessibility.h"

#include <QAccessibleWidget>

TNotification::TNotification(QWidget *parent)
    : QWidget(parent)
{
    // Readers speak a notification as it appears.
    Platform::describeClass("TNotification", [](QObject *object) -> QAccessibleInterface * {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    });
    setObjectName(QStringLiteral("notification"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

Announcer::Announcer(QWidget *host)
    : QObject(host)
{
    for (int i = 0; i < Kept; ++i)
        m_notifications.append(new TNotification(host));
}

void Announcer::announce(const QString &text)
{
    if (text.isEmpty())
        return;
    // Showing is what tells the tools: the notification is hidden first, so that it appears anew.
    TNotification *notification = m_notifications[m_next];
    m_next = (m_next + 1) % Kept;
    notification->hide();
    notification->setAccessibleName(text);
    notification->show();
    m_last = text;
    emit announced(text);
}
