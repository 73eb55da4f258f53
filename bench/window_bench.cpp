// The main window's costs against the bare work they cannot avoid: the price comparison against filling a table
// widget with the same texts, start-up with a large data file against start-up with none, and the printable page
// against reading the template and writing the same page bytes.
#include "bench_data.h"
#include "config_file.h"
#include "list_view.h"
#include "main_window.h"
#include "printable.h"
#include "store_layout.h"

#include <QFile>
#include <QRadioButton>
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

std::unique_ptr<frmLists> openWindow(const QString& folder) {
    auto window = std::make_unique<frmLists>(folder, &prompts);
    window->ExitWithoutSaving = true;
    return window;
}

std::unique_ptr<frmLists> openLargeWindow;

frmLists& largeWindow() {
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

// Kept out of line, like fillTable, for a profile.
[[gnu::noinline]] void rebuildComparison(frmLists& window) {
    window.GenPCList();
}

void ComparisonGenPCList(benchmark::State& state) {
    frmLists& window = largeWindow();
    window.optShow[0]->setChecked(true);
    // Every round replaces a full table, as the bare fill does.
    window.GenPCList();
    for (auto _ : state)
        rebuildComparison(window);
    state.counters["rows"] = window.lvCompare->model()->rowCount();
    int items = 0;
    for (const ListView* list : window.lvList)
        items += list->rowCount();
    state.counters["items"] = items;
}

// The comparison when nothing is kept from an earlier one, as the first after start-up: before each round, every
// item's first price is written again unchanged, which makes the document forget the prices it had read.
void ComparisonNothingKept(benchmark::State& state) {
    frmLists& window = largeWindow();
    window.optShow[0]->setChecked(true);
    Document& document = window.document();
    for (auto _ : state) {
        state.PauseTiming();
        for (int l = 0; l < Document::ListCount; ++l)
            for (const Item& item : document.items(l))
                document.setPrice(item.key, 1, window.CF.ReadValue(Store::priceKey(item.key, 1), QString()));
        state.ResumeTiming();
        rebuildComparison(window);
    }
}

void ComparisonBareFill(benchmark::State& state) {
    frmLists& window = largeWindow();
    window.optShow[0]->setChecked(true);
    window.GenPCList();
    const QAbstractItemModel* model = window.lvCompare->model();
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

void startUp(benchmark::State& state, const QString& folder) {
    for (auto _ : state) {
        std::unique_ptr<frmLists> window = openWindow(folder);
        if (!window->ownsFolder()) {
            state.SkipWithError("another window has the folder open");
            break;
        }
        state.PauseTiming();
        window.reset();
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
    frmLists& window = largeWindow();
    for (auto _ : state)
        window.buildPage();
}

void PageBareReadWrite(benchmark::State& state) {
    frmLists& window = largeWindow();
    window.buildPage();
    const QString pagePath = window.AppFolder + Printable::PageFileName;
    QFile built(pagePath);
    built.open(QIODevice::ReadOnly);
    const QByteArray page = built.readAll();
    built.close();
    for (auto _ : state) {
        QFile templateFile(window.AppFolder + Printable::TemplateFileName);
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
    openLargeWindow.reset();
}

BENCHMARK(ComparisonGenPCList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComparisonNothingKept)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComparisonBareFill)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUpNoFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUpEmptyLists)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUpLargeFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUpStoreOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PageBuild)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PageBareReadWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
