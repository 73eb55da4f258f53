// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "summary.h"

#include "bench_data.h"
#include "main_window.h"
#include "peak_memory.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>

namespace Bench {
namespace {

double toMilliseconds(double time, benchmark::TimeUnit unit) {
    return time * 1e3 / benchmark::GetTimeUnitMultiplier(unit);
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The peak resident memory of a fresh process that only opens the main window over folder, in KiB.
long startUpPeak(const QString& folder) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peak-memory"), folder});
    if (!child.waitForFinished(120000))
        return 0;
    return child.readAllStandardOutput().trimmed().toLong();
}

} // namespace

void SummaryReporter::ReportRuns(const std::vector<Run>& reports) {
    ConsoleReporter::ReportRuns(reports);
    for (const Run& run : reports) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty())
            name += "/" + run.run_name.args;
        Measured& measured = m_measured[name];
        measured.cpu.push_back(toMilliseconds(run.GetAdjustedCPUTime(), run.time_unit));
        measured.real.push_back(toMilliseconds(run.GetAdjustedRealTime(), run.time_unit));
        if (const auto keys = run.counters.find("keys"); keys != run.counters.end())
            measured.keys = keys->second.value;
        if (const auto bytes = run.counters.find("bytes"); bytes != run.counters.end())
            measured.bytes = bytes->second.value;
    }
}

SummaryReporter::Times SummaryReporter::times(const std::string& name) const {
    const auto found = m_measured.find(name);
    if (found == m_measured.end())
        return {};
    return {median(found->second.cpu), median(found->second.real)};
}

void SummaryReporter::printSummary() const {
    std::printf("\nMedian of the repetitions; ratios of CPU time (real time in brackets).\n\n"
                "| Measure | Ours, CPU ms | Against, CPU ms | Ratio | Goal | |\n|---|---|---|---|---|---|\n");
    const auto ratioRow = [this](const char* measure, const std::string& oursName, const std::string& againstName,
                                 bool againstOverOurs, double goal) {
        const Times ours = times(oursName);
        const Times against = times(againstName);
        if (ours.cpu <= 0 || against.cpu <= 0)
            return;
        const double cpu = againstOverOurs ? against.cpu / ours.cpu : ours.cpu / against.cpu;
        const double real = againstOverOurs ? against.real / ours.real : ours.real / against.real;
        const bool met = goal <= 0 || (againstOverOurs ? cpu >= goal : cpu <= goal);
        char goalText[32] = "none";
        if (goal > 0)
            std::snprintf(goalText, sizeof goalText, "%s %.2g", againstOverOurs ? ">=" : "<=", goal);
        std::printf("| %s | %.2f | %.2f | %.2f (%.2f) | %s | %s |\n", measure, ours.cpu, against.cpu, cpu, real,
                    goalText,
                    goal <= 0 ? ""
                    : met     ? "met"
                              : "MISSED");
    };

    ratioRow("1. Store load + save, 240,000 keys: QSettings IniFormat / ours", "StoreOurs/1", "StoreQSettings/1", true,
             5);
    std::vector<double> perKey; // nanoseconds of CPU per key at 1x, 4x, 16x
    for (const char* scale : {"1", "4", "16"}) {
        const std::string name = std::string("StoreOurs/") + scale;
        if (const Times time = times(name); time.cpu > 0)
            perKey.push_back(time.cpu * 1e6 / m_measured.at(name).keys);
    }
    if (perKey.size() == 3) {
        const auto [lowest, highest] = std::minmax_element(perKey.begin(), perKey.end());
        const double spread = *highest / *lowest;
        std::printf("| 2. Store per key at 1x / 4x / 16x: %.0f / %.0f / %.0f ns | | | highest/lowest %.2f | <= 1.25 "
                    "| %s |\n",
                    perKey[0], perKey[1], perKey[2], spread, spread <= 1.25 ? "met" : "MISSED");
    }
    ratioRow("3. GenPCList, 10,000 ticked items / bare fill of the same table", "ComparisonGenPCList",
             "ComparisonBareFill", false, 1.3);
    ratioRow("3. GenPCList with nothing kept yet (the first after start-up) / bare fill", "ComparisonNothingKept",
             "ComparisonBareFill", false, 0);
    ratioRow("3. Unit prices of every item (10,000, packs of three kinds) / bare fill of the same table",
             "ComparisonUnitPrices", "ComparisonUnitPricesBareFill", false, 1.3);
    ratioRow("4. Start-up with a 10,000-item file / with no file", "StartUpLargeFile", "StartUpNoFile", false, 2);
    ratioRow("4. Start-up with a 10,000-item file / with a file of empty lists", "StartUpLargeFile",
             "StartUpEmptyLists", false, 0);
    ratioRow("4. Only the store reading the 10,000-item file / start-up with no file", "StartUpStoreOnly",
             "StartUpNoFile", false, 0);
    // Everything start-up does besides reading the data file: the document, the views and the window.
    const Times large = times("StartUpLargeFile");
    const Times storeOnly = times("StartUpStoreOnly");
    const Times noFile = times("StartUpNoFile");
    if (large.cpu > 0 && storeOnly.cpu > 0 && noFile.cpu > 0) {
        const double cpu = (large.cpu - storeOnly.cpu) / noFile.cpu;
        std::printf("| 4. Start-up with a 10,000-item file except the store reading it / with no file | %.2f | %.2f | "
                    "%.2f (%.2f) | <= 1.2 | %s |\n",
                    large.cpu - storeOnly.cpu, noFile.cpu, cpu, (large.real - storeOnly.real) / noFile.real,
                    cpu <= 1.2 ? "met" : "MISSED");
    }
    // Time per byte with every price dated and a full history, against the plain file: linear in the size.
    const Times plain = times("StoreOurs/1");
    const Times dated = times("StoreWithHistory");
    if (plain.cpu > 0 && dated.cpu > 0 && m_measured.at("StoreOurs/1").bytes > 0) {
        const double plainBytes = m_measured.at("StoreOurs/1").bytes;
        const double datedBytes = m_measured.at("StoreWithHistory").bytes;
        const double perByte = (dated.cpu / datedBytes) / (plain.cpu / plainBytes);
        std::printf(
            "| 6. Store load + save with dated prices, full history, packs and offers (%.0f keys, %.1f MB) / plain file "
            "(%.1f MB), "
            "per byte | %.2f | %.2f | %.2f | <= 1.5 | %s |\n",
            m_measured.at("StoreWithHistory").keys, datedBytes / 1e6, plainBytes / 1e6, dated.cpu, plain.cpu, perByte,
            perByte <= 1.5 ? "met" : "MISSED");
    }
    ratioRow("5. Page from 10,000 ticked items / reading and writing its bytes", "PageBuild", "PageBareReadWrite",
             false, 0);

    if (m_measured.count("StartUpLargeFile")) {
        const long peakNone = startUpPeak(programFolder(QStringLiteral("peak-none"), -1));
        const long peakLarge = startUpPeak(programFolder(QStringLiteral("peak-large"), ItemsPerList));
        if (peakNone > 0 && peakLarge > 0)
            std::printf("\nPeak memory of a process that starts up: with no file %.1f MiB, with the 10,000-item "
                        "file %.1f MiB (x %.2f).\n",
                        peakNone / 1024.0, peakLarge / 1024.0, static_cast<double>(peakLarge) / peakNone);
    }
}

int printStartUpPeakMemory(const QString& folder) {
    DecliningPrompts prompts;
    {
        MainWindow window(folder, &prompts);
        window.findChild<QAction*>(QStringLiteral("exitWithoutSaving"))->trigger();
    }
    return printPeakMemory();
}

} // namespace Bench
