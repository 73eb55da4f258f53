// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Every shipped language: the program's and Qt's own texts load, and no two controls of the main window or of a
// dialog share an access key, nor two entries of one menu.
#include "comparison.h"
#include "csv_exchange.h"
#include "item_editor.h"
#include "move_copy.h"
#include "translations.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

namespace {

// The access keys of the widget's controls (and, for the main window, its menu titles), with the texts that
// claim each one.
QMultiMap<QString, QString> accessKeys(const QWidget* window) {
    QMultiMap<QString, QString> keys;
    const auto add = [&keys](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys.insert(key.toString(), text);
    };
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            add(label->text());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        add(button->text());
    for (const QGroupBox* box : window->findChildren<QGroupBox*>())
        add(box->title());
    for (const QMenu* menu : window->findChildren<QMenu*>())
        add(menu->title());
    return keys;
}

QString clashes(const QMultiMap<QString, QString>& keys) {
    QStringList found;
    for (const QString& key : keys.uniqueKeys())
        if (keys.count(key) > 1)
            found << key + QStringLiteral(": ") + QStringList(keys.values(key)).join(QStringLiteral(", "));
    return found.join(QStringLiteral("; "));
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Translations::install(QLocale(QStringLiteral("en_GB"))); }
    void everyShippedLanguage_data();
    void everyShippedLanguage();
    void countedTexts_data();
    void countedTexts();
};

void TranslationsTest::everyShippedLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("listsTab");
    QTest::addColumn<QString>("yesButton"); // Qt's own text, from Qt's translations
    QTest::newRow("English") << "en_GB"
                             << "Lists"
                             << "&Yes";
    QTest::newRow("German") << "de_DE"
                            << "Listen"
                            << "&Ja";
}

void TranslationsTest::everyShippedLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, listsTab);
    QFETCH(QString, yesButton);
    Translations::install(QLocale(language));
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    QCOMPARE(ui.tabs->tabText(MainWindow::ListsTab), listsTab);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yesButton);

    const QString windowClashes = clashes(accessKeys(&w));
    QVERIFY2(windowClashes.isEmpty(), qPrintable(windowClashes));
    for (const QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        QMultiMap<QString, QString> entries;
        for (const QAction* action : menu->actions())
            if (const QKeySequence key = QKeySequence::mnemonic(action->text()); !key.isEmpty())
                entries.insert(key.toString(), action->text());
        QVERIFY2(clashes(entries).isEmpty(), qPrintable(clashes(entries)));
    }

    f.fill(0, {{"Milk", "1", true, "K0"}});
    ui.lists[0]->selectRow(0);
    ui.focusList(0);
    const ItemEditor editor(w.document(), f.prompts, {}, {});
    const MoveCopyDialog moveOrCopy(w.document(), 0, 0);
    for (const QWidget* dialog : {static_cast<const QWidget*>(&editor), static_cast<const QWidget*>(&moveOrCopy)}) {
        const QString dialogClashes = clashes(accessKeys(dialog));
        QVERIFY2(dialogClashes.isEmpty(), qPrintable(dialogClashes));
    }
}

void TranslationsTest::countedTexts_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("age"); // n months ago
    QTest::addColumn<QString>("summary");
    QTest::newRow("English, 1") << "en_GB" << 1 << "1 month ago"
                                << "1 item updated, 1 price changed.";
    QTest::newRow("English, 2") << "en_GB" << 2 << "2 months ago"
                                << "2 items updated, 2 prices changed.";
    QTest::newRow("German, 1") << "de_DE" << 1 << "vor 1 Monat"
                               << "1 Artikel aktualisiert, 1 Preis geändert.";
    QTest::newRow("German, 2") << "de_DE" << 2 << "vor 2 Monaten"
                               << "2 Artikel aktualisiert, 2 Preise geändert.";
    // A language without a translation of its own shows English, plural forms included.
    QTest::newRow("French, 1") << "fr_FR" << 1 << "1 month ago"
                               << "1 item updated, 1 price changed.";
}

void TranslationsTest::countedTexts() {
    QFETCH(QString, language);
    QFETCH(int, n);
    QFETCH(QString, age);
    QFETCH(QString, summary);
    Translations::install(QLocale(language));
    const QDate today(2026, 12, 8);
    QVERIFY2(ComparisonModel::age(today.addDays(-31 * n), today).endsWith(QStringLiteral(" (%1)").arg(age)),
             qPrintable(ComparisonModel::age(today.addDays(-31 * n), today)));
    Csv::Import import;
    import.updated = n;
    import.pricesChanged = n;
    QCOMPARE(Csv::summary(import), summary);
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
