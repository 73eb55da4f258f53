// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The design geometry of the main window and the layout it runs on every resize, all in single precision.
#include "window_layout.h"

#include <algorithm>
#include <cstddef>

namespace WindowLayout {

namespace {

// A widget accepts no negative width or height, which the arithmetic below gives while the window is minimised
// (client height 0). Such a step is skipped, the measure keeps its value and the following steps still run,
// reading it. Positions need no check: a control may stand partly outside its container.
void assignIfValid(float& target, float value) {
    if (value >= 0.0f)
        target = value;
}

// Right end of a column's header row: the quantity buttons and their label follow the list view's right edge,
// and its item column takes what the quantity column leaves.
void fitQuantityControls(ListColumn& c) {
    c.cmdMinus.left = c.lvList.left + c.lvList.width - 255.0f;
    c.cmdPlus.left = c.cmdMinus.left - 255.0f;
    c.lblQty.left = c.cmdPlus.left - (c.lblQty.width + 120.0f);
    assignIfValid(c.firstColumnWidth, c.lvList.width - 800.0f);
}

} // namespace

Geometry designGeometry() {
    Geometry g;
    g.tabMain = {0, 0, 12660, 8628};
    for (int i = 0; i < 4; ++i) {
        const float x = 3120.0f * static_cast<float>(i);
        ListColumn& c = g.lists[i];
        c.lblName = {x + 120, 120, 720, i == 0 ? 195.0f : 192.0f};
        c.txtName = {x + 960, 120, 2175, 285};
        c.chkSelAll = {x + 240, 360, 255, 315};
        c.lblQty = {x + 2280, 480, 276, 192};
        c.cmdPlus = {x + 2640, 480, 255, 255};
        c.cmdMinus = {x + 2880, 480, 255, 255};
        c.lvList = {x + 120, 720, i >= 2 ? 3012.0f : 3015.0f, i >= 2 ? 6732.0f : 6735.0f};
        c.cmdAdd = {x + 120, 7560, 1095, 375};
        c.cmdEdit = {x + 1320, 7560, 1095, 375};
        c.cmdNUp = {x + 2520, 7560, 255, 255};
        c.cmdNDown = {x + 2880, 7560, 255, 255};
        c.firstColumnWidth = c.lvList.width - 800;
    }
    g.lblInfo0 = {120, 8040, 4308, 192};
    g.lvShops = {120, 120, 12372, 7812};
    g.lblInfo1 = {120, 8040, 2205, 195};
    g.lblShow = {120, 240, 432, 192};
    g.optShow0 = {720, 240, 1695, 195};
    g.optShow1 = {2640, 240, 975, 195};
    g.cmdCEdit = {4080, 120, 1095, 375};
    g.lvCompare = {120, 600, 12372, 7572};
    g.wbList = {120, 120, 12372, 7572};
    g.cmdPrint = {11280, 7800, 1215, 375};
    g.lblInfo6 = {120, 8040, 3024, 192};
    return g;
}

TwipSize enforceMinimumSize(TwipSize outer) {
    return {std::max(outer.width, MinimumOuterWidth), std::max(outer.height, MinimumOuterHeight)};
}

Geometry layoutWindow(float clientWidth, float clientHeight, Geometry g) {
    assignIfValid(g.tabMain.width, clientWidth);
    assignIfValid(g.tabMain.height, clientHeight);

    // The list views grow downwards; their button rows and the hint below follow them.
    for (ListColumn& c : g.lists) {
        assignIfValid(c.lvList.height, g.tabMain.height - 1893.0f);
        c.cmdAdd.top = c.lvList.height + 825.0f;
        c.cmdEdit.top = c.cmdAdd.top;
        c.cmdNUp.top = c.cmdAdd.top;
        c.cmdNDown.top = c.cmdAdd.top;
    }
    ListColumn& c0 = g.lists[0];
    g.lblInfo0.top = c0.cmdAdd.top + c0.cmdAdd.height + 100.0f;

    // Four equal columns side by side, 120 apart.
    assignIfValid(c0.lvList.width, (g.tabMain.width - 600.0f) / 4.0f);
    for (std::size_t i = 1; i < g.lists.size(); ++i) {
        assignIfValid(g.lists[i].lvList.width, c0.lvList.width);
        g.lists[i].lvList.left = g.lists[i - 1].lvList.left + c0.lvList.width + 120.0f;
    }

    // Column 0 keeps its design lefts, so its buttons below the list stay 105 apart instead of 120.
    assignIfValid(c0.txtName.width, c0.lvList.width - c0.lblName.width - 120.0f);
    fitQuantityControls(c0);

    for (std::size_t i = 1; i < g.lists.size(); ++i) {
        ListColumn& c = g.lists[i];
        c.cmdAdd.left = c.lvList.left;
        c.cmdEdit.left = c.cmdAdd.left + c.cmdAdd.width + 120.0f;
        c.cmdNUp.left = c.cmdEdit.left + c.cmdEdit.width + 120.0f;
        c.cmdNDown.left = c.cmdNUp.left + c.cmdNUp.width + 120.0f;
        c.lblName.left = c.cmdAdd.left;
        c.txtName.left = c.lblName.left + 840.0f;
        assignIfValid(c.txtName.width, c.lvList.width - c.lblName.width - 120.0f);
        c.chkSelAll.left = c.lvList.left + 120.0f;
        fitQuantityControls(c);
    }

    // The views of the other tabs fill their pages; the hints stay level with the one on the Lists tab.
    assignIfValid(g.lvShops.width, clientWidth - 240.0f);
    assignIfValid(g.lvShops.height, clientHeight - 840.0f);
    g.lblInfo1.top = g.lblInfo0.top;
    assignIfValid(g.lvCompare.width, g.lvShops.width);
    assignIfValid(g.lvCompare.height, clientHeight - 1080.0f);
    assignIfValid(g.wbList.width, g.lvShops.width);
    assignIfValid(g.wbList.height, clientHeight - 960.0f);
    g.cmdPrint.top = g.wbList.height + 240.0f;
    g.cmdPrint.left = clientWidth - (g.cmdPrint.width + 120.0f);
    g.lblInfo6.top = g.lblInfo0.top;
    return g;
}

} // namespace WindowLayout
