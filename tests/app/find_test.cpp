// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Edit, Find: typing finds from the current item on, Enter steps through every match of the four lists in
// order and round again, Shift+Enter steps back, and the bar says when nothing matches.
#include "find_bar.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

class FindTest : public QObject {
    Q_OBJECT

private slots:
    void reachesEveryItemInOrder();
};

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
