#pragma once

// Teaches Qt how the picture controls and the chart present themselves to assistive tools. Every control calls it
// as it is built, so that the description is in place before anyone can ask about one; only the first call does
// anything.
void describeControlsToAssistiveTools();

class QString;
class QWidget;

// Gives the control a description that a screen reader speaks when the control first takes the keyboard, and only
// then: spoken at every visit it would hold up play. The help (F1) explains every control at any time.
void describeOnce(QWidget *control, const QString &description);
