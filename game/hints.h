#pragma once

#include "game/catalogue.h"

#include <QString>

// One short description per book, shown in the status bar while hints are on.
namespace Hints {

// The hint for the book with the given tag; empty for a tag outside the testament.
QString text(Testament testament, int tag);

} // namespace Hints
