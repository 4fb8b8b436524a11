#pragma once

#include "summaryreporter.h"

#include <vector>

// The main() of a Google Benchmark program of the game: a QApplication on the platform chooseQtPlatform() picks,
// the benchmarks selected by the command line, then the summary of the targets.
int runBenchmarks(int argc, char **argv, std::vector<Target> targets);
