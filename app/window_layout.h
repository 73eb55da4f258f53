#pragma once

// Where the main window's controls stand, in twips (1/1440 inch, 15 to a logical pixel): the starting
// geometry of every control. No widgets here, so the arithmetic can be tested on its own.

#include <array>

namespace WindowLayout {

inline constexpr float TwipsPerPixel = 15.0f;

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The controls of one list column of the Lists tab.
struct ListColumn {
    TwipRect lblName, txtName, chkSelAll, lblQty, cmdPlus, cmdMinus, lvList, cmdAdd, cmdEdit, cmdNUp, cmdNDown;
    float firstColumnWidth = 0; // of the list view: the item names; the quantity column keeps its own width
};

struct Geometry {
    TwipRect tabMain;
    std::array<ListColumn, 4> lists;
    TwipRect lblInfo0;                   // Lists tab hint
    TwipRect lvShops, lblInfo1;          // Shops tab
    TwipRect lblShow, optShow0, optShow1, cmdCEdit, lvCompare; // Price Comparison tab
    TwipRect wbList, cmdPrint, lblInfo6; // Print Preview tab
};

// The geometry the window is designed with, before any resize.
Geometry designGeometry();

} // namespace WindowLayout
