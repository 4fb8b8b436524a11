#pragma once

#include <QFont>

// The game's own font, bundled so that the windows look the same on every machine. It stands in for the
// classic "MS Sans Serif", which Linux does not have.
QFont gameFont(int pixelSize = 13, bool bold = false);

// The bundled serif of the title art, bold or italic, read only when a picture is lettered in it.
QFont titleArtFont(int pixelSize, bool italic);
