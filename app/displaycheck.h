#pragma once

#include <string>

// Whether the program has a display to open its windows on, asked before Qt is started: without one, Qt would
// end the program with a message about reinstalling it. Empty when there is a display, or when the platform Qt
// is told to use (QT_QPA_PLATFORM) draws without one; otherwise the one line to tell the user.
std::string missingDisplayMessage();
