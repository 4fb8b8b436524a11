#include "benchmain.h"

#include "platform.h"

#include <QApplication>

#include <cstdio>
#include <unistd.h>

int runBenchmarks(int argc, char **argv, std::vector<Target> targets)
{
    chooseQtPlatform();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("Qt platform: %s\n", qtPlatformDescription().constData());
    std::fflush(stdout);
    SummaryReporter reporter(isatty(STDOUT_FILENO) ? SummaryReporter::OO_ColorTabular : SummaryReporter::OO_Tabular,
                             std::move(targets));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
