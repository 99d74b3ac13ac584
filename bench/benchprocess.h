#pragma once

#include <QString>
#include <QStringList>

// The peak of this process's resident memory since the last reset (Linux, glibc), which
// starts from the memory in use at that moment.
void resetPeakMemory();
qint64 peakMemoryBytes();

struct ProcessRun {
    bool ok = false; // started, and ended with status 0 (or was ended by us when idle)
    double cpuSeconds = 0;
    double wallSeconds = 0;
    qint64 peakBytes = 0; // peak resident memory
};

// Runs the program to its end with the environment given on top of this process's own.
ProcessRun runToEnd(const QString& program, const QStringList& arguments,
                    const QStringList& environment);
// Starts the program and ends it once it has used no processor time for the quiet
// period, but not before the earliest moment after its start: what it did until then
// is its start-up.
ProcessRun runUntilIdle(const QString& program, const QStringList& arguments,
                        const QStringList& environment, double earliestSeconds,
                        double quietSeconds);
