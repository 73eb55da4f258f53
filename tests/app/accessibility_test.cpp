// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Everyone can reach and name every control: a walk through the main window and both dialogs finds no control a
// keyboard reaches without a name for screen readers, also with QT_SCALE_FACTOR=2 on a 1600 x 1000 screen, where
// the window fits the screen and every control can be scrolled into view. The comparison reads as it shows (the
// shops in view by name, what each mark means), and every colour it chooses is readable in a light and a dark
// palette.
#include "contrast.h"
#include "item_editor.h"
#include "move_copy.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// The controls below `top` a keyboard can reach that have no accessible name, by class and object name.
QStringList unnamedControls(QWidget* top) {
    QStringList unnamed;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled())
            continue;
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
                           widget->parentWidget()->metaObject()->className();
    }
    return unnamed;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName();
    void everyControlCanBeReached();
    void comparisonInEveryPalette_data();
    void comparisonInEveryPalette();
};

void AccessibilityTest::comparisonInEveryPalette_data() {
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("dark") << QColor(0x23, 0x26, 0x29) << QColor(0xfc, 0xfc, 0xfc);
}

// The comparison of two items at three named shops of twenty, with a price of every kind it marks (Milk cheapest
// at Market, an offer, and old at Corner; Tea old and cheapest at Corner): every colour it chooses is readable on
// the background it draws it on, and a screen reader meets the shops in view by name and hears each mark.
void AccessibilityTest::comparisonInEveryPalette() {
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    QPalette palette(base);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
    WindowFixture f;
    MainWindow& w = f.window();
    Document& document = w.document();
    document.today = [] { return QDate(2025, 3, 3); };
    f.fill(0, {{"Milk", "1", true, "K0"}, {"Tea", "1", true, "K1"}});
    for (const auto& [shop, name] : {std::pair(4, "Market"), std::pair(9, "Corner"), std::pair(15, "Deli")})
        document.renameShop(shop, QString::fromLatin1(name));
    document.setPrice(QStringLiteral("K0"), 9, QStringLiteral("1.50"));
    document.setPrice(QStringLiteral("K1"), 9, QStringLiteral("2.00"));
    document.today = [] { return QDate(2026, 3, 10); };
    document.setPrice(QStringLiteral("K0"), 4, QStringLiteral("1.29"));
    document.setOffers(QStringLiteral("K0"),
                       {std::nullopt, std::nullopt, std::nullopt, Document::Offer{QDate(2026, 3, 31), "1.49"}});
    controls(w).tabs->setCurrentIndex(MainWindow::ComparisonTab);
    w.show(); // a tree's rows are laid out, and read, once it shows
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QTreeView* view = controls(w).comparison;
    QSet<QString> pairs, unreadable;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            const QModelIndex cell = view->model()->index(r, c);
            const QVariant fore = cell.data(Qt::ForegroundRole), back = cell.data(Qt::BackgroundRole);
            const QColor fg = fore.isValid() ? fore.value<QBrush>().color() : view->palette().text().color();
            const QColor bg = back.isValid() ? back.value<QBrush>().color() : view->palette().base().color();
            const QString pair = fg.name() + QStringLiteral(" on ") + bg.name();
            pairs << pair;
            if (Contrast::ratio(fg, bg) < Contrast::Readable)
                unreadable << pair;
        }
    QCOMPARE(unreadable, QSet<QString>());
    QCOMPARE(pairs.size(), 5); // plain, the cheapest, old, old and the cheapest, the best price

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    QStringList headers;
    for (int i = 0; i < table->childCount(); ++i)
        if (table->child(i)->role() == QAccessible::ColumnHeader)
            headers << table->child(i)->text(QAccessible::Name);
    QCOMPARE(headers, (QStringList{"Item", "Shop 1 (£)", "Shop 2 (£)", "Market (£)", "Corner (£)", "Deli (£)"}));
    QCOMPARE(table->tableInterface()->columnCount(), headers.size());
    const auto said = [table](int row, int column) {
        const QAccessibleInterface* cell = table->tableInterface()->cellAt(row, column);
        return cell ? cell->text(QAccessible::Name) : QString();
    };
    QCOMPARE(said(1, 3), QStringLiteral("1.29, cheapest, offer"));
    QCOMPARE(said(1, 4), QStringLiteral("1.50, old price, set 3 March 2025"));
    QCOMPARE(said(2, 4), QStringLiteral("2.00, cheapest, old price, set 3 March 2025"));
}

void AccessibilityTest::everyControlHasAName() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "1", true, "K0"}});
    QVERIFY2(unnamedControls(&w).isEmpty(), qPrintable(unnamedControls(&w).join(", ")));
    // The find box's clear button takes no focus, but a screen reader reaches it.
    auto* clear = ui.findBar->txtFind->findChild<QToolButton*>();
    QVERIFY(clear);
    QCOMPARE(QAccessible::queryAccessibleInterface(clear)->text(QAccessible::Name), QStringLiteral("Clear search"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ui.lists[0])->text(QAccessible::Name), QStringLiteral("List 1"));
    w.document().setListName(0, QStringLiteral("Weekly"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ui.lists[0])->text(QAccessible::Name), QStringLiteral("Weekly"));

    ui.lists[0]->selectRow(0);
    ui.focusList(0);
    for (const ItemEditor::Mode mode : {ItemEditor::Mode::Add, ItemEditor::Mode::Edit}) {
        ItemEditor editor(w.document(), f.prompts, {}, {mode, QStringLiteral("K0"), QStringLiteral("Milk")});
        QVERIFY2(unnamedControls(&editor).isEmpty(), qPrintable(unnamedControls(&editor).join(", ")));
    }
    MoveCopyDialog dialog(w.document(), 0, 0);
    QVERIFY2(unnamedControls(&dialog).isEmpty(), qPrintable(unnamedControls(&dialog).join(", ")));
}

void AccessibilityTest::everyControlCanBeReached() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect screen = w.screen()->availableGeometry();
    QVERIFY2(w.frameGeometry().width() <= screen.width() && w.frameGeometry().height() <= screen.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(w.frameGeometry().width()).arg(w.frameGeometry().height())));
    // The menus and the tab bar stay in place; a page scrolls below them.
    QCOMPARE(w.centralWidget(), ui.tabs);
    for (int tab = 0; tab < ui.tabs->count(); ++tab) {
        ui.tabs->setCurrentIndex(tab);
        auto* scroller = qobject_cast<QScrollArea*>(ui.tabs->widget(tab));
        QVERIFY(scroller);
        for (QWidget* control : scroller->widget()->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(&w) || control->parentWidget() != scroller->widget())
                continue;
            scroller->ensureWidgetVisible(control, 0, 0);
            const QRect shown(control->mapTo(scroller->viewport(), QPoint(0, 0)), control->size());
            QVERIFY2(scroller->viewport()->rect().intersects(shown), control->metaObject()->className());
        }
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
