#pragma once

// One run of a program measured as a benchmark reports it: wall time, processor time of the
// whole process tree (the program and every process it started and waited for), and the
// machine's load average before and after, so that a figure taken on a busy machine says so.

#include "common/Median.h"
#include "common/ProcessorTime.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <vector>

struct RunFigures
{
    bool ok = false;
    double wallSeconds = -1;
    double cpuSeconds = -1; // user and system time of the process tree
    double loadBefore = -1; // one-minute load average when the run began
    double loadAfter = -1;  // and when it ended
    QByteArray output;      // standard output
    QByteArray errors;      // standard error
};

// Processor time of the children this process has waited for so far, and of theirs.
inline double childrenCpuSeconds()
{
    return usageSeconds(RUSAGE_CHILDREN);
}

// The environment of a run that must not see the user's settings: a fresh home for it.
inline QProcessEnvironment benchEnvironment(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    environment.insert(QStringLiteral("TMPDIR"), home);
    return environment;
}

// Runs program to its end. Nothing else of this process may start children meanwhile: their
// time would be counted.
inline RunFigures measureRun(const QString &program, const QStringList &arguments,
                             const QProcessEnvironment &environment)
{
    RunFigures figures;
    QProcess process;
    process.setProcessEnvironment(environment);
    figures.loadBefore = loadAverage();
    const double cpuBefore = childrenCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    const bool finished = process.waitForStarted() && process.waitForFinished(-1);
    figures.wallSeconds = clock.elapsed() / 1000.0;
    figures.cpuSeconds = childrenCpuSeconds() - cpuBefore;
    figures.loadAfter = loadAverage();
    figures.output = process.readAllStandardOutput();
    figures.errors = process.readAllStandardError();
    figures.ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return figures;
}

// The medians of two roads' runs and, round by round, the first road's times over the second's
// (each round ran both, one just after the other) with their median: the figure to weigh.
inline void printPairedSummary(const char *firstName, const std::vector<RunFigures> &first, const char *secondName,
                               const std::vector<RunFigures> &second)
{
    auto column = [](const std::vector<RunFigures> &runs, double RunFigures::*field) {
        std::vector<double> values;
        for (const RunFigures &run : runs)
            values.push_back(run.*field);
        return values;
    };
    for (const auto &[name, runs] : {std::pair{firstName, &first}, std::pair{secondName, &second}}) {
        std::printf("%-8s %5s %9.2f %9.2f %6.2f %6.2f\n", name, "med", median(column(*runs, &RunFigures::wallSeconds)),
                    median(column(*runs, &RunFigures::cpuSeconds)), median(column(*runs, &RunFigures::loadBefore)),
                    median(column(*runs, &RunFigures::loadAfter)));
    }
    std::vector<double> wallRatios, cpuRatios;
    for (size_t i = 0; i < std::min(first.size(), second.size()); ++i) {
        wallRatios.push_back(first[i].wallSeconds / second[i].wallSeconds);
        cpuRatios.push_back(first[i].cpuSeconds / second[i].cpuSeconds);
        std::printf("round %zu: %s/%s wall %.3f cpu %.3f\n", i + 1, firstName, secondName, wallRatios.back(),
                    cpuRatios.back());
    }
    std::printf("median of the rounds: %s/%s wall %.3f cpu %.3f\n", firstName, secondName, median(wallRatios),
                median(cpuRatios));
}
