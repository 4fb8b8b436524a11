#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

// One thing that happened, as assistive tools meet it: a notification that appears with its text as its name.
// It has no look of its own.
class TNotification : public QWidget
{
    Q_OBJECT

public:
    explicit TNotification(QWidget *parent);
};

// Tells screen readers and other assistive tools what happens in a window at the moment it happens, in words: each
// announcement is a notification that appears in the host (a status bar, where a screen reader reads it without
// naming its kind). Screen readers fetch a notification's text some time after it appears, so each of the last few
// announcements keeps a notification of its own, unchanged until its turn comes round again.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *host);

    void announce(const QString &text);
    // What was announced last; empty before the first announcement.
    QString last() const { return m_last; }

    // How many announcements are kept, unchanged, at once.
    static constexpr int Kept = 8;

signals:
    void announced(const QString &text);

private:
    QList<TNotification *> m_notifications;
    int m_next = 0;
    QString m_last;
};
