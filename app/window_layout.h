// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Where the main window's controls stand, in twips (1/1440 inch, 15 to a logical pixel): the starting geometry
// of every control and how each resize moves and sizes them. No widgets here, so the arithmetic can be tested on
// its own.

#include <array>

namespace WindowLayout {

inline constexpr float TwipsPerPixel = 15.0f;

// The smallest outer size of the window; below it the four list columns would no longer fit.
inline constexpr float MinimumOuterWidth = 12800.0f;
inline constexpr float MinimumOuterHeight = 9600.0f;

struct TwipSize {
    float width = 0;
    float height = 0;
    bool operator==(const TwipSize&) const = default;
};

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const TwipRect&) const = default;
};

// The controls of one list column of the Lists tab.
struct ListColumn {
    TwipRect lblName, txtName, chkSelAll, lblQty, cmdPlus, cmdMinus, lvList, cmdAdd, cmdEdit, cmdNUp, cmdNDown;
    float firstColumnWidth = 0; // of the list view: the item names; the quantity column keeps its own width
    bool operator==(const ListColumn&) const = default;
};

struct Geometry {
    TwipRect tabMain;
    std::array<ListColumn, 4> lists;
    TwipRect lblInfo0;                                         // Lists tab hint
    TwipRect lvShops, lblInfo1;                                // Shops tab
    TwipRect lblShow, optShow0, optShow1, cmdCEdit, lvCompare; // Price Comparison tab
    TwipRect wbList, cmdPrint, lblInfo6;                       // Print Preview tab
    bool operator==(const Geometry&) const = default;
};

// The geometry the window is designed with, before any resize.
Geometry designGeometry();

// The outer size the window must take: each measure below its minimum is raised to it. Setting the size is
// itself a resize, after which the window is laid out again.
TwipSize enforceMinimumSize(TwipSize outer);

// The geometry after a resize to the given client size, computed from `g`, the geometry left by the previous
// layout (or the design). Column 0 keeps its design lefts apart from its quantity buttons and their label.
// A size that would come out negative, as while the window is minimised, keeps its value in `g`.
Geometry layoutWindow(float clientWidth, float clientHeight, Geometry g);

} // namespace WindowLayout
