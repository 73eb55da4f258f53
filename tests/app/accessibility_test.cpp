// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Everyone can reach and name every control: a walk through the main window and both dialogs finds no control a
// keyboard reaches without a name for screen readers, also with QT_SCALE_FACTOR=2 on a 1600 x 1000 screen, where
// the window fits the screen and every control can be scrolled into view.
#include "item_editor.h"
#include "move_copy.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

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
};

void AccessibilityTest::everyControlHasAName() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "1", true, "K0"}});
    QVERIFY2(unnamedControls(&w).isEmpty(), qPrintable(unnamedControls(&w).join(", ")));
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
    auto* scroller = qobject_cast<QScrollArea*>(w.centralWidget());
    QVERIFY(scroller);
    for (int tab = 0; tab < ui.tabs->count(); ++tab) {
        ui.tabs->setCurrentIndex(tab);
        for (QWidget* control : ui.tabs->widget(tab)->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(&w) || control->parentWidget() != ui.tabs->widget(tab))
                continue;
            scroller->ensureWidgetVisible(control, 0, 0);
            const QRect shown(control->mapTo(scroller->viewport(), QPoint(0, 0)), control->size());
            QVERIFY2(scroller->viewport()->rect().intersects(shown), control->metaObject()->className());
        }
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
