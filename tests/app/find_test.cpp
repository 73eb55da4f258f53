// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Edit, Find: typing finds from the current item on, Enter steps through every match of the four lists in
// order and round again, Shift+Enter steps back, and the bar says when nothing matches.
#include "find_bar.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

class FindTest : public QObject {
    Q_OBJECT

private slots:
    void reachesEveryItemInOrder();
    void ignoresAccentsAndCase_data();
    void ignoresAccentsAndCase();
};

void FindTest::ignoresAccentsAndCase_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found"); // empty: nothing found
    QTest::newRow("no accent finds an accent") << "creme"
                                               << "Crème fraîche";
    QTest::newRow("capitals and accents") << "CRÈME FRAICHE"
                                          << "Crème fraîche";
    QTest::newRow("ss finds ß") << "strasse"
                                << "Straßenkarte";
    QTest::newRow("ß finds ss, ü finds u") << "Grüße"
                                           << "Grusse";
    QTest::newRow("an accent finds capitals without") << "café"
                                                      << "CAFE au lait";
    QTest::newRow("more than the name") << "cremes"
                                        << "";
}

void FindTest::ignoresAccentsAndCase() {
    QFETCH(QString, typed);
    QFETCH(QString, found);
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Bread", "", false, "K0"}, {"Crème fraîche", "", false, "K1"}, {"Straßenkarte", "", false, "K2"}});
    f.fill(1, {{"Grusse", "", false, "K3"}, {"CAFE au lait", "", false, "K4"}});
    ui.find->trigger();
    // Typed as a keyboard layout sends it: QTest's key clicks know ASCII only.
    for (const QChar c : typed) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(ui.findBar->txtFind, &key);
    }
    QCOMPARE(ui.findBar->lblNotFound->isVisibleTo(&w), found.isEmpty());
    if (!found.isEmpty())
        QCOMPARE(w.document().item(w.currentList(), ui.lists[w.currentList()]->selectedRow()).name, found);
}

void FindTest::reachesEveryItemInOrder() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    for (int l = 0; l < 4; ++l) {
        QList<Row> rows;
        for (int j = 0; j < 500; ++j)
            rows.append(
                {QStringLiteral("Item %1").arg(l * 500 + j), QString(), false, QStringLiteral("K%1").arg(l * 500 + j)});
        f.fill(l, rows);
    }
    w.show();
    ui.tabs->setCurrentIndex(MainWindow::ShopsTab);
    ui.find->trigger();
    QVERIFY(ui.findBar->isVisible());
    const auto found = [&] {
        return w.document().item(w.currentList(), ui.lists[w.currentList()]->selectedRow()).name;
    };
    QTest::keyClicks(ui.findBar->txtFind, QStringLiteral("ITEM 1"));
    QCOMPARE(ui.tabs->currentIndex(), int(MainWindow::ListsTab));
    QCOMPARE(found(), QStringLiteral("Item 1"));
    QTest::keyClick(ui.findBar->txtFind, Qt::Key_Backspace);
    QCOMPARE(found(), QStringLiteral("Item 1")); // still a match: it stays
    for (int i = 2; i < 2000; ++i) {
        QTest::keyClick(ui.findBar->txtFind, Qt::Key_Return);
        QCOMPARE(found(), QStringLiteral("Item %1").arg(i));
    }
    QTest::keyClick(ui.findBar->txtFind, Qt::Key_Return);
    QCOMPARE(found(), QStringLiteral("Item 0"));
    QTest::keyClick(ui.findBar->txtFind, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(found(), QStringLiteral("Item 1999"));
    QVERIFY(!ui.findBar->lblNotFound->isVisible());

    QTest::keyClicks(ui.findBar->txtFind, QStringLiteral("x"));
    QVERIFY(ui.findBar->lblNotFound->isVisible());
    QCOMPARE(found(), QStringLiteral("Item 1999"));
    QCOMPARE(f.prompts.shown.size(), 0);
    QTest::keyClick(ui.findBar->txtFind, Qt::Key_Escape);
    QVERIFY(!ui.findBar->isVisible());
}

QTEST_MAIN(FindTest)
#include "find_test.moc"
