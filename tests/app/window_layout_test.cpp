// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The window layout arithmetic without a window: the minimum size, how the four list columns share the width,
// how the lists and the other tabs' views grow downwards, and that a minimised window keeps its sizes.
#include "window_layout.h"

#include <QTest>

#include <utility>

using namespace WindowLayout;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void minimumSize();
    void columnsShareTheWidth();
    void viewsGrowDownwards();
    void minimisedWindowKeepsItsSizes();
};

void WindowLayoutTest::minimumSize() {
    QCOMPARE(enforceMinimumSize({10000, 8000}), (TwipSize{12800, 9600}));
    QCOMPARE(enforceMinimumSize({12000, 15000}), (TwipSize{12800, 15000}));
    QCOMPARE(enforceMinimumSize({20000, 9599}), (TwipSize{20000, 9600}));
}

void WindowLayoutTest::columnsShareTheWidth() {
    const Geometry g = layoutWindow(12680, 9000, designGeometry());
    const float offsets[] = {0, 3140, 6280, 9420};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(g.lists[i].lvList.width, 3020.0f);
        QCOMPARE(g.lists[i].lvList.left - g.lists[0].lvList.left, offsets[i]);
        QCOMPARE(g.lists[i].firstColumnWidth, 2220.0f);
        QCOMPARE(g.lists[i].txtName.width, 2180.0f);
    }

    // Column 0 keeps its design lefts (buttons 105 apart) but for the quantity controls at its right edge;
    // columns 1 to 3 are placed anew from their list view's left (buttons 120 apart).
    using Lefts = std::pair<TwipRect ListColumn::*, float>;
    for (auto [rect, left] :
         {Lefts{&ListColumn::lblName, 120}, Lefts{&ListColumn::txtName, 960}, Lefts{&ListColumn::chkSelAll, 240},
          Lefts{&ListColumn::cmdEdit, 1320}, Lefts{&ListColumn::cmdNDown, 2880}, Lefts{&ListColumn::cmdMinus, 2885},
          Lefts{&ListColumn::cmdPlus, 2630}, Lefts{&ListColumn::lblQty, 2234}})
        QCOMPARE((g.lists[0].*rect).left, left);
    for (int i = 1; i < 4; ++i)
        for (auto [rect, offset] :
             {Lefts{&ListColumn::lblName, 0}, Lefts{&ListColumn::txtName, 840}, Lefts{&ListColumn::chkSelAll, 120},
              Lefts{&ListColumn::cmdAdd, 0}, Lefts{&ListColumn::cmdEdit, 1215}, Lefts{&ListColumn::cmdNUp, 2430},
              Lefts{&ListColumn::cmdNDown, 2805}, Lefts{&ListColumn::cmdMinus, 2765}, Lefts{&ListColumn::cmdPlus, 2510},
              Lefts{&ListColumn::lblQty, 2114}})
            QCOMPARE((g.lists[i].*rect).left - g.lists[i].lvList.left, offset);
    QCOMPARE(g.cmdPrint.left, 11345.0f);
}

void WindowLayoutTest::viewsGrowDownwards() {
    const Geometry g = layoutWindow(12680, 9000, designGeometry());
    QCOMPARE(g.tabMain, (TwipRect{0, 0, 12680, 9000}));
    for (const ListColumn& c : g.lists) {
        QCOMPARE(c.lvList.height, 7107.0f);
        for (const TwipRect& button : {c.cmdAdd, c.cmdEdit, c.cmdNUp, c.cmdNDown})
            QCOMPARE(button.top, 7932.0f);
    }
    for (const TwipRect& info : {g.lblInfo0, g.lblInfo1, g.lblInfo6})
        QCOMPARE(info.top, 8407.0f);
    QCOMPARE(g.lvShops, (TwipRect{120, 120, 12440, 8160}));
    QCOMPARE(g.lvCompare, (TwipRect{120, 600, 12440, 7920}));
    QCOMPARE(g.wbList, (TwipRect{120, 120, 12440, 8040}));
    QCOMPARE(g.cmdPrint.top, 8280.0f);
}

void WindowLayoutTest::minimisedWindowKeepsItsSizes() {
    // Minimised straight from the design: negative heights are skipped, yet the steps reading them still run,
    // so the button rows settle below the kept list views (columns 2 and 3 are 3 twips shorter by design).
    const Geometry g = layoutWindow(12680, 0, designGeometry());
    const float listHeights[] = {6735, 6735, 6732, 6732};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(g.lists[i].lvList.height, listHeights[i]);
        QCOMPARE(g.lists[i].cmdNDown.top, listHeights[i] + 825);
    }
    QCOMPARE(g.lblInfo6.top, 8035.0f);
    QCOMPARE(g.lvShops, (TwipRect{120, 120, 12440, 7812}));
    QCOMPARE(g.cmdPrint.top, 7812.0f);

    // Growing, minimising to nothing at all and restoring ends where a single layout would.
    const Geometry restored =
        layoutWindow(12680, 9000, layoutWindow(0, 0, layoutWindow(30000, 20000, designGeometry())));
    QCOMPARE(restored, layoutWindow(12680, 9000, designGeometry()));
}

QTEST_GUILESS_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
