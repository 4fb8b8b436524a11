#pragma once

#include <QUrl>

class QWidget;

// The game's help: a document built into the program, shown a topic at a time in a help window of its own that
// never holds up the game.
namespace Help {

// The application's help file. The built-in document goes by this name; its topics are numbered.
inline constexpr char FileName[] = "Tomelor.hlp";

// The main window's topic: how to play.
constexpr int MainWindowTopic = 1;
// The first start and the two high-score dialogs: welcome, high scores and initials.
constexpr int FirstStartTopic = 4;
// The Progress window: what the chart and the table show.
constexpr int ProgressTopic = 5;

// The page of a topic in the built-in document; a number the document has no topic for gives the first topic.
QUrl topicUrl(int topic);

// Opens the help window at the topic, raises it and returns at once. All callers share one window. It stands over
// the window that asks (the game's main window, say), or over the modal dialog that is up.
void showTopic(int topic, QWidget *asking = nullptr);

// Makes F1 in the window (or in any of its controls) open the topic over it.
void attachTopic(QWidget *window, int topic);

} // namespace Help
