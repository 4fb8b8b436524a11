#pragma once

#include <QFont>

// The game's own font, bundled so that the windows look the same on every machine. It stands in for the
// classic "MS Sans Serif", which Linux does not have.
QFont gameFont(int pixelSize = 13, bool bold = false);

// The family of the bundled serif, bold and italic, in which the score dialogs' plaques are lettered. Only those
// dialogs use it, so its files are installed the first time it is asked for.
QString serifFamily();

// The bundled serif of the title art, bold or italic, read only when a picture is lettered in it.
QFont titleArtFont(int pixelSize, bool italic);
