// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// WCAG's relative luminance: 0 for black, 1 for white.
double luminance(const QColor& colour) {
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

} // namespace

namespace Contrast {

double ratio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mix(const QColor& from, const QColor& to, double share) {
    // In whole steps of 1/255, as the screen shows it, so that a ratio worked out is the ratio seen.
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    const auto channel = [share](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * share)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QColor readableOn(const QColor& colour, const QColor& background) {
    // Black or white, whichever stands out more, reaches the ratio on any background (at least 4.58).
    const QColor away = ratio(Qt::black, background) >= ratio(Qt::white, background) ? Qt::black : Qt::white;
    constexpr int Steps = 64;
    for (int step = 0; step < Steps; ++step) {
        const QColor shade = mix(colour, away, static_cast<double>(step) / Steps);
        if (ratio(shade, background) >= Readable)
            return shade;
    }
    return away;
}

} // namespace Contrast
