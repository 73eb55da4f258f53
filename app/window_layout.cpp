#include "window_layout.h"

namespace WindowLayout {

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

} // namespace WindowLayout
