// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Makes the README's screenshots: the real main window, filled with sample data, grabbed headless.
// Usage: pantrova_screenshots <output folder> [scaled]   (scripts/screenshots.sh runs it)

#include "item_editor.h"
#include "price_history.h"
#include "scripted_prompts.h"
#include "translations.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

struct SampleItem {
    const char* name;
    const char* quantity;
    std::array<const char*, 5> prices; // at the five sample shops; nullptr for none
    std::array<const char*, 5> packs = {};
};

// A sample number as a user types it in the language of the shot.
QString typed(const char* number) {
    return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

void fillSample(MainWindow& w) {
    Document& document = w.document();
    document.setSymbol(QLocale().currencySymbol());
    const std::array<const char*, 5> shops{"Corner Shop", "Fresh Market", "MegaMart", "Farm Stall", "Deli & Co"};
    for (int s = 0; s < 5; ++s)
        document.renameShop(s + 1, QString::fromUtf8(shops[s]));
    document.setTripCost(4, typed("0.30")); // the farm is a bus ride away
    const std::array<const char*, 4> names{"Weekly shop", "Bakery & deli", "Household", "Party"};
    const std::array<std::vector<SampleItem>, 4> lists{{
        {{"Milk", "2", {"1.25", "1.10", "0.99", "1.40", nullptr}},
         {"Eggs (dozen)", "1", {"3.20", "2.95", "2.80", "2.50", nullptr}, {"12 pcs", "12 pcs", "10 pcs", "6 pcs"}},
         {"Apples", "6", {"0.35", "0.30", "0.28", "0.25", nullptr}, {"1 pc", "1 pc", "1 pc", "180 g"}},
         {"Coffee", "", {"4.50", nullptr, "3.99", nullptr, "5.20"}, {"250 g", nullptr, "200 g", nullptr, "500 g"}},
         {"Butter", "1", {"2.10", "1.95", "1.89", nullptr, "2.40"}}},
        {{"Sourdough loaf", "1", {nullptr, "3.50", "2.99", "3.20", "3.80"}},
         {"Croissants", "4", {nullptr, "0.90", "0.75", nullptr, "1.10"}},
         {"Olives", "", {nullptr, nullptr, "2.50", nullptr, "3.40"}}},
        {{"Washing-up liquid", "1", {"1.80", nullptr, "1.45", nullptr, nullptr}},
         {"Bin bags", "", {"2.40", nullptr, "1.99", nullptr, nullptr}},
         {"Light bulbs", "2", {"3.10", nullptr, "2.75", nullptr, nullptr}}},
        {{"Crisps", "3", {"1.20", "1.15", "0.99", nullptr, nullptr}, {"150 g", "200 g", "100 g"}},
         {"Lemonade", "2", {"1.50", "1.45", "1.25", "1.80", nullptr}, {"2 l", "1.5 l", "6 x 330 ml", nullptr}}},
    }};
    for (int l = 0; l < 4; ++l) {
        document.setListName(l, QString::fromUtf8(names[l]));
        for (const SampleItem& item : lists[l]) {
            const QString key = QStringLiteral("K%1").arg(document.nextKey());
            const QString quantity = QString::fromLatin1(item.quantity);
            document.insertItem(l, document.itemCount(l),
                                Item{key, QString::fromUtf8(item.name), quantity, !quantity.isEmpty()});
            std::array<std::optional<QString>, Store::ShopCount> packs;
            for (int s = 0; s < 5; ++s) {
                if (item.prices[s])
                    document.setPrice(key, s + 1, typed(item.prices[s]));
                if (item.packs[s])
                    packs[s] = typed(item.packs[s]);
            }
            document.setPacks(key, packs);
            if (item.name == std::string("Lemonade")) {
                std::array<std::optional<Document::Offer>, Store::ShopCount> offers;
                offers[2] = Document::Offer{QDate::currentDate().addDays(7), typed("1.65")};
                document.setOffers(key, offers);
            }
        }
        showTicks(w, l);
    }
}

// Milk's prices at three shops over half a year, as the history dialog shows them.
bool shootHistory(MainWindow& w, const QString& file) {
    Document& document = w.document();
    QDate day(2026, 6, 1);
    document.today = [&day] { return day; };
    const std::array<std::array<const char*, 3>, 5> prices{{{"1.15", "0.95", "1.35"},
                                                            {"1.19", "0.95", "1.35"},
                                                            {"1.19", "0.99", "1.39"},
                                                            {"1.25", "1.05", "1.39"},
                                                            {"1.25", "1.10", "1.40"}}};
    for (const auto& month : prices) {
        for (int s = 0; s < 3; ++s)
            document.setPrice(QStringLiteral("K999"), s + 1, QString::fromLatin1(month[s]));
        day = day.addDays(36);
    }
    PriceHistoryDialog history(document, QStringLiteral("K999"), QStringLiteral("Milk"));
    history.resize(640, 560);
    history.show();
    QApplication::processEvents();
    return history.grab().save(file);
}

// The item editor on the first sample item, Milk, with its prices at the five shops.
bool shootEditor(MainWindow& w, ScriptedPrompts& prompts, const QString& file) {
    const Item& milk = w.document().item(0, 0);
    ItemEditor editor(w.document(), prompts, {}, {ItemEditor::Mode::Edit, milk.key, milk.name}, &w);
    editor.show();
    QApplication::processEvents();
    return editor.grab().save(file);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // With "scaled", the shots at the size the window opens with (run it on a screen at twice the scale).
    if (argc != 2 && !(argc == 3 && qstrcmp(argv[2], "scaled") == 0)) {
        qCritical("usage: pantrova_screenshots <output folder> [scaled]");
        return 2;
    }
    const bool scaled = argc == 3;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    // The window in a language, over a folder of its own, grabbed on the given tabs, and the item editor.
    const auto shoot = [&out, scaled](const QString& language, const QList<std::pair<int, QString>>& shots,
                                      const QString& editorFile) {
        // As on a desktop in that language: its texts, and its numbers, dates and page template.
        QLocale::setDefault(QLocale(language));
        Translations::install(QLocale(language));
        QTemporaryDir folder;
        const QString bin = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
        for (const QString& name : {QStringLiteral("libvarnetocx.so"), QStringLiteral("Pantrova Template.htm"),
                                    QStringLiteral("Pantrova Template.de.htm")})
            QFile::copy(bin + name, folder.filePath(name));
        ScriptedPrompts prompts;
        prompts.answerNext(UserPrompts::Answer::No);
        MainWindow window(folder.path(), &prompts);
        fillSample(window);
        if (!scaled)
            window.resize(1100, 700);
        window.show();
        bool saved = true;
        for (const auto& [tab, file] : shots) {
            controls(window).tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            saved = window.grab().save(out.filePath(file)) && saved;
        }
        if (!editorFile.isEmpty())
            saved = shootEditor(window, prompts, out.filePath(editorFile)) && saved;
        if (language == QLatin1String("en_GB") && !scaled) {
            controls(window).tabs->setCurrentIndex(MainWindow::ComparisonTab);
            controls(window).show[2]->click();
            QApplication::processEvents();
            saved = window.grab().save(out.filePath(QStringLiteral("unit-prices.png"))) && saved;
            saved = shootHistory(window, out.filePath(QStringLiteral("history.png"))) && saved;
        }
        controls(window).exitWithoutSaving->trigger();
        return saved;
    };
    const bool saved =
        scaled ? shoot(QStringLiteral("en_GB"), {{MainWindow::ListsTab, QStringLiteral("lists-2x.png")}},
                       QStringLiteral("editor-2x.png")) &&
                     shoot(QStringLiteral("de_DE"), {{MainWindow::ListsTab, QStringLiteral("lists-de-2x.png")}},
                           QStringLiteral("editor-de-2x.png"))
               : shoot(QStringLiteral("en_GB"),
                       {{MainWindow::ListsTab, QStringLiteral("lists.png")},
                        {MainWindow::ComparisonTab, QStringLiteral("comparison.png")},
                        {MainWindow::PreviewTab, QStringLiteral("preview.png")}},
                       QStringLiteral("editor.png")) &&
                     shoot(QStringLiteral("de_DE"),
                           {{MainWindow::ListsTab, QStringLiteral("lists-de.png")},
                            {MainWindow::ComparisonTab, QStringLiteral("comparison-de.png")},
                            {MainWindow::PreviewTab, QStringLiteral("preview-de.png")}},
                           QStringLiteral("editor-de.png"));
    return saved ? 0 : 1;
}
