// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// `make bench`: runs every benchmark three times in random interleaved order, so that the two sides of each ratio
// share the machine's conditions, then prints the summary table. Google Benchmark's own flags still apply.
#include "bench_data.h"
#include "processes.h"
#include "summary.h"

#include <QApplication>
#include <QLocale>

#include <cstring>

#include <malloc.h>

int main(int argc, char** argv) {
    // The heap keeps the pages it has: otherwise whichever benchmark runs after one that freed a lot pays for
    // the page faults of growing the heap again, and on this virtual machine that swings results by times.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 28);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Prices are formatted and read in a fixed locale, as the tests do, so runs on any machine do the same work.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0)
        return Bench::printStartUpPeakMemory(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--startup") == 0)
        return Bench::runStartUp(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--prepare") == 0)
        return Bench::prepareProcessFiles(QString::fromLocal8Bit(argv[2]));

    // Defaults first, so that the same flags given on the command line win.
    char repetitions[] = "--benchmark_repetitions=3";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args{argv[0], repetitions, interleaving};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    Bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Bench::closeWindows();
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
