// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The store against QSettings: loading a whole data file, changing one value and saving it again, for ours at 1x,
// 4x and 16x the stated size and for QSettings in IniFormat at 1x with the same keys and values.
#include "bench_data.h"
#include "config_file.h"
#include "document.h"

#include <QFileInfo>
#include <QSettings>

#include <benchmark/benchmark.h>

#include <map>

namespace {

struct StoreFiles {
    QString data; // a data file as SaveTo writes it
    QString ini;  // the same keys and values written by QSettings, when asked for
    qint64 keys = 0;
};

const StoreFiles& storeFiles(int scale, bool withIni) {
    static std::map<int, StoreFiles> made;
    StoreFiles& files = made[scale];
    if (files.data.isEmpty() || (withIni && files.ini.isEmpty())) {
        ConfigFile store;
        Bench::fillStore(store, Bench::ItemsPerList * scale);
        files.keys = store.size();
        files.data = Bench::scratchPath(QStringLiteral("store-%1.dat").arg(scale));
        store.SaveTo(files.data);
        if (withIni) {
            files.ini = Bench::scratchPath(QStringLiteral("store-%1.ini").arg(scale));
            QSettings settings(files.ini, QSettings::IniFormat);
            for (const auto& [key, value] : store.values())
                settings.setValue(key, value);
            settings.sync();
        }
    }
    return files;
}

// Each round saves a different symbol, so every save has a change to write.
QString symbolFor(benchmark::IterationCount round) {
    return round % 2 ? QStringLiteral("€") : QStringLiteral("£");
}

void perKey(benchmark::State& state, qint64 keys) {
    state.counters["keys"] = static_cast<double>(keys);
    state.counters["per_key"] = benchmark::Counter(
        static_cast<double>(keys), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Each round loads the data file, changes a value and saves it.
void loadChangeAndSave(benchmark::State& state, const StoreFiles& files) {
    benchmark::IterationCount round = 0;
    for (auto _ : state) {
        ConfigFile store;
        if (!store.LoadFrom(files.data).ok() || store.size() != files.keys)
            state.SkipWithError("the data file did not load whole");
        store.WriteValue(QStringLiteral("Symbol"), symbolFor(++round));
        if (!store.SaveTo(files.data).ok)
            state.SkipWithError("the data file could not be saved");
    }
    perKey(state, files.keys);
    state.counters["bytes"] = static_cast<double>(QFileInfo(files.data).size());
}

void StoreOurs(benchmark::State& state) {
    const StoreFiles& files = storeFiles(static_cast<int>(state.range(0)), false);
    loadChangeAndSave(state, files);
}

// The same data file with every price dated, a full history of earlier prices, a pack and an offer behind each:
// about fifteen times the bytes. Loading and saving must stay linear in the file's size.
void StoreWithHistory(benchmark::State& state) {
    static const StoreFiles files = [] {
        ConfigFile store;
        Bench::fillStore(store, Bench::ItemsPerList);
        QString history;
        for (int i = 0; i < Document::HistoryLength; ++i)
            history += QStringLiteral("%1%2=%3.25")
                           .arg(i ? ";" : "", QDate(2025, 1, 1).addDays(30 * i).toString(Qt::ISODate))
                           .arg(i + 1);
        std::vector<QString> prices;
        for (const auto& [key, value] : store.values())
            if (!Store::itemKeyOfPrice(key).isEmpty())
                prices.push_back(key);
        for (const QString& key : prices) {
            store.WriteValue(Store::PriceDatePrefix + key, QStringLiteral("2026-12-01"));
            store.WriteValue(Store::PriceHistoryPrefix + key, history);
            store.WriteValue(Store::PricePackPrefix + key, QStringLiteral("6 x 330 ml"));
            store.WriteValue(Store::PriceOfferPrefix + key, QStringLiteral("2026-12-14;2.99"));
        }
        StoreFiles made{Bench::scratchPath(QStringLiteral("store-history.dat")), QString(), store.size()};
        store.SaveTo(made.data);
        return made;
    }();
    loadChangeAndSave(state, files);
}

void StoreQSettings(benchmark::State& state) {
    const StoreFiles& files = storeFiles(static_cast<int>(state.range(0)), true);
    benchmark::IterationCount round = 0;
    for (auto _ : state) {
        QSettings settings(files.ini, QSettings::IniFormat);
        // QSettings parses a section on its first read; this read makes it load every key, as LoadFrom does.
        if (settings.value(QStringLiteral("NextKey")).toString().isEmpty())
            state.SkipWithError("the INI file did not load");
        settings.setValue(QStringLiteral("Symbol"), symbolFor(++round));
        settings.sync();
        if (settings.status() != QSettings::NoError)
            state.SkipWithError("the INI file could not be saved");
    }
    perKey(state, files.keys);
}

} // namespace

BENCHMARK(StoreOurs)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StoreWithHistory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StoreQSettings)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
