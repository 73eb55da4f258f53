// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Text as Find compares it: without accents and letter case, so that "creme" finds "Crème" and "strasse" finds
// "Straße".

#include <QString>

namespace SearchText {

// The text decomposed, without its combining marks, case folded, with "ß" as "ss".
QString folded(const QString& text);

} // namespace SearchText
