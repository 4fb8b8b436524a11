#pragma once

#include <optional>

// The options the program answers itself, before anything needs a display: --version and --help (or -h) print
// their text and end the program, so that they work in a terminal without a desktop. Returns the exit status
// when one was answered; otherwise the game starts and Qt reads the arguments.
std::optional<int> answerCommandLine(int argc, char *argv[]);
