// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The one table `make bench` ends with: each measure against what it is compared with, as a ratio of times taken
// in the same run (CPU time, which other work on a shared machine disturbs far less than real time), next to its goal;
// and the peak memory of start-up with and without a large data file.

#include <QString>

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace Bench {

// Prints the usual console lines and keeps every repetition's time for the table.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    // Plain text, so that a log of the run stays readable.
    SummaryReporter()
        : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& reports) override;
    // Prints the table in Markdown, ready to paste into bench/RESULTS.md.
    void printSummary() const;

private:
    struct Measured {
        std::vector<double> cpu, real; // milliseconds, one per repetition
        double keys = 0;
        double bytes = 0; // of the file loaded and saved, where the benchmark says
    };
    struct Times {
        double cpu = 0, real = 0;
    };
    // The median repetition, in milliseconds; zeros when the benchmark did not run.
    Times times(const std::string& name) const;
    std::map<std::string, Measured> m_measured;
};

// Child-process mode: opens the main window over folder and prints the process's peak resident memory in KiB.
int printStartUpPeakMemory(const QString& folder);

} // namespace Bench
