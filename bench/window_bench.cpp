// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The main window's costs against the bare work they cannot avoid: the price comparison against filling a table
// widget with the same texts, start-up with a large data file against start-up with none, and the printable page
// against reading the template and writing the same page bytes.
#include "bench_data.h"
#include "config_file.h"
#include "list_view.h"
#include "main_window.h"
#include "printable.h"
#include "store_layout.h"

#include <QAction>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

Bench::DecliningPrompts prompts;

const QString& largeFolder() {
    static const QString folder = Bench::programFolder(QStringLiteral("large"), Bench::ItemsPerList);
    return folder;
}

std::unique_ptr<MainWindow> openWindow(const QString& folder) {
    return std::make_unique<MainWindow>(folder, &prompts);
}

void closeWithoutSaving(std::unique_ptr<MainWindow>& window) {
    if (window)
        window->findChild<QAction*>(QStringLiteral("exitWithoutSaving"))->trigger();
    window.reset();
}

std::unique_ptr<MainWindow> openLargeWindow;

MainWindow& largeWindow() {
    if (!openLargeWindow)
        openLargeWindow = openWindow(largeFolder());
    return *openLargeWindow;
}

// The bare work of the comparison table: the same rows with the same texts in Qt's own table widget, the yardstick
// the comparison has always been measured against. Kept out of line so that a profile can single it out
// (valgrind --toggle-collect).
[[gnu::noinline]] void fillTable(QTreeWidget* table, const QList<QStringList>& texts) {
    table->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(texts.size());
    for (const QStringList& cells : texts)
        rows << new QTreeWidgetItem(cells);
    table->addTopLevelItems(rows);
}

QTreeView* comparisonTable(MainWindow& window) {
    return window.findChild<QTreeView*>(QStringLiteral("comparison"));
}

// Kept out of line, like fillTable, for a profile: the comparison of the ticked items, as choosing that option
// works it out.
[[gnu::noinline]] void rebuildComparison(MainWindow& window) {
    window.findChild<QRadioButton*>(QStringLiteral("showTicked"))->click();
}

// The page, as coming to the Print Preview tab builds and shows it.
void buildPage(MainWindow& window) {
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabs"));
    tabs->setCurrentIndex(MainWindow::ListsTab);
    tabs->setCurrentIndex(MainWindow::PreviewTab);
}

void ComparisonGenPCList(benchmark::State& state) {
    MainWindow& window = largeWindow();
    // Every round replaces a full table, as the bare fill does.
    rebuildComparison(window);
    for (auto _ : state)
        rebuildComparison(window);
    state.counters["rows"] = comparisonTable(window)->model()->rowCount();
    int items = 0;
    for (const ListView* list : window.findChildren<ListView*>())
        items += list->rowCount();
    state.counters["items"] = items;
}

// The comparison when nothing is kept from an earlier one, as the first after start-up: before each round, every
// item's first price is written again unchanged, which makes the document forget the prices it had read.
void ComparisonNothingKept(benchmark::State& state) {
    MainWindow& window = largeWindow();
    Document& document = window.document();
    for (auto _ : state) {
        state.PauseTiming();
        for (int l = 0; l < Document::ListCount; ++l)
            for (const Item& item : document.items(l))
                document.setPrice(item.key, 1, document.store().ReadValue(Store::priceKey(item.key, 1), QString()));
        state.ResumeTiming();
        rebuildComparison(window);
    }
}

// Every priced item of the large window gets a pack at every shop, of three kinds and several sizes.
MainWindow& largeWindowWithPacks() {
    static bool packed = false;
    MainWindow& window = largeWindow();
    if (!packed) {
        const std::array<QString, 6> sizes{QStringLiteral("500 g"),      QStringLiteral("1 kg"),
                                           QStringLiteral("250 g"),      QStringLiteral("1.5 l"),
                                           QStringLiteral("6 x 330 ml"), QStringLiteral("12 pcs")};
        Document& document = window.document();
        int n = 0;
        for (int l = 0; l < Document::ListCount; ++l)
            for (const Item& item : document.items(l)) {
                std::array<std::optional<QString>, Store::ShopCount> packs;
                for (auto& pack : packs)
                    pack = sizes[static_cast<size_t>(n++ % 6)];
                document.setPacks(item.key, packs);
            }
        packed = true;
    }
    return window;
}

void ComparisonUnitPrices(benchmark::State& state) {
    MainWindow& window = largeWindowWithPacks();
    auto* option = window.findChild<QRadioButton*>(QStringLiteral("showUnitPrices"));
    option->click();
    for (auto _ : state)
        option->click();
    state.counters["rows"] = comparisonTable(window)->model()->rowCount();
    window.findChild<QRadioButton*>(QStringLiteral("showTicked"))->setChecked(true);
}

// The bare fill of the texts a comparison shows: its table's rows, ready-made, in Qt's own table widget.
void bareFill(benchmark::State& state, MainWindow& window) {
    const QAbstractItemModel* model = comparisonTable(window)->model();
    QList<QStringList> texts;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        texts << cells;
    }
    QTreeWidget table;
    table.setColumnCount(model->columnCount());
    for (auto _ : state)
        fillTable(&table, texts);
    state.counters["rows"] = table.topLevelItemCount();
}

void ComparisonBareFill(benchmark::State& state) {
    MainWindow& window = largeWindow();
    rebuildComparison(window);
    bareFill(state, window);
}

void ComparisonUnitPricesBareFill(benchmark::State& state) {
    MainWindow& window = largeWindowWithPacks();
    window.findChild<QRadioButton*>(QStringLiteral("showUnitPrices"))->click();
    bareFill(state, window);
    window.findChild<QRadioButton*>(QStringLiteral("showTicked"))->setChecked(true);
}

void startUp(benchmark::State& state, const QString& folder) {
    for (auto _ : state) {
        std::unique_ptr<MainWindow> window = openWindow(folder);
        if (!window->ownsFolder()) {
            state.SkipWithError("another window has the folder open");
            break;
        }
        state.PauseTiming();
        closeWithoutSaving(window);
        state.ResumeTiming();
    }
}

void StartUpNoFile(benchmark::State& state) {
    static const QString folder = Bench::programFolder(QStringLiteral("nofile"), -1);
    startUp(state, folder);
}

void StartUpEmptyLists(benchmark::State& state) {
    static const QString folder = Bench::programFolder(QStringLiteral("emptylists"), 0);
    startUp(state, folder);
}

void StartUpLargeFile(benchmark::State& state) {
    // A folder of its own: the comparison's benchmarks keep a window open over largeFolder(), and Pantrova opens
    // one window per folder.
    static const QString folder = Bench::programFolder(QStringLiteral("large-startup"), Bench::ItemsPerList);
    startUp(state, folder);
}

// Only the store reading the same data file, which start-up cannot do without.
void StartUpStoreOnly(benchmark::State& state) {
    const QString path = largeFolder() + QLatin1Char('/') + Store::DataFileName;
    for (auto _ : state) {
        ConfigFile store;
        benchmark::DoNotOptimize(store.LoadFrom(path));
        state.PauseTiming();
        store = ConfigFile();
        state.ResumeTiming();
    }
}

void PageBuild(benchmark::State& state) {
    MainWindow& window = largeWindow();
    for (auto _ : state)
        buildPage(window);
}

void PageBareReadWrite(benchmark::State& state) {
    buildPage(largeWindow());
    const QString pagePath = largeFolder() + QLatin1Char('/') + Printable::PageFileName;
    QFile built(pagePath);
    built.open(QIODevice::ReadOnly);
    const QByteArray page = built.readAll();
    built.close();
    for (auto _ : state) {
        QFile templateFile(largeFolder() + QLatin1Char('/') + Printable::TemplateFileName);
        templateFile.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(templateFile.readAll());
        QFile::remove(pagePath);
        QFile out(pagePath);
        out.open(QIODevice::WriteOnly);
        out.write(page);
    }
    state.counters["bytes"] = static_cast<double>(page.size());
}

} // namespace

void Bench::closeWindows() {
    closeWithoutSaving(openLargeWindow);
}

BENCHMARK(ComparisonGenPCList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComparisonNothingKept)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComparisonBareFill)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComparisonUnitPrices)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComparisonUnitPricesBareFill)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUpNoFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUpEmptyLists)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUpLargeFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUpStoreOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PageBuild)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PageBareReadWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
