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

    // Shows the window, raised and active, and returns at once. While a modal dialog is up every other window
    // is held back from the player; the help window opened from such a dialog belongs to it and stays usable.
    void showOver(QWidget *modalDialog);
};
