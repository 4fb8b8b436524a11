#pragma once

class QAccessibleInterface;
class QObject;

// The one place where the game's own widgets meet Qt's accessibility: Qt describes its own widgets, and a widget
// class of the game's that is more than a pane (a switch, a display, a window) is described by the function its
// layer names here, looked up by class name. Describing a class again changes nothing.
namespace Platform {

using Describer = QAccessibleInterface *(*)(QObject *object);
void describeClass(const char *className, Describer describe);

} // namespace Platform
