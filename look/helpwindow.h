#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The help window: an ordinary window beside the game, showing one page of the built-in help document at a
// time. The links of a page lead to the other topics.
class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit THelpWindow(QWidget *parent = nullptr);

    QTextBrowser *txtTopic;

    void setSource(const QUrl &url);
    QUrl source() const;
    // The title of the page shown, as the page names itself.
    QString topicTitle() const;

    // Shows the window, raised and active, and returns at once. It is transient for the owner's window, so that
    // window managers and compositors, which place windows themselves on Wayland, put it over that window. While
    // a modal dialog is up every other window is held back from the player; the help window that belongs to the
    // dialog stays usable.
    void showOver(QWidget *owner);
};
