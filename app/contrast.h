// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Colours that stay readable in any palette: the contrast of two colours as WCAG 2 measures it, and a colour
// moved away from its background until text in it reaches the ratio asked of normal text.

#include <QColor>

namespace Contrast {

// WCAG's ratio for normal text.
constexpr double Readable = 4.5;

// From 1 (the same luminance) to 21 (black and white), whichever of the two is lighter.
double ratio(const QColor& a, const QColor& b);
// `from` with the share `share` (0 to 1) of `to` mixed in.
QColor mix(const QColor& from, const QColor& to, double share);
// `colour` where it is readable on `background`; otherwise the nearest shade of it that is, towards black on a
// light background and towards white on a dark one.
QColor readableOn(const QColor& colour, const QColor& background);

} // namespace Contrast
