#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

// A child process run to its end.
struct ChildRun
{
    std::int64_t startedAt = 0; // monotonicNanoseconds() just before the child was started
    QByteArray output;          // all it wrote to its standard output
    bool succeeded = false;     // it started and exited with status 0
    long peakMemoryKb = 0;      // its ru_maxrss
};

// Runs the program with the arguments and waits for its end. What it writes to its standard error goes to the
// file errorLog, which is truncated first.
ChildRun runChild(const QByteArray &program, const QList<QByteArray> &arguments, const QByteArray &errorLog);
