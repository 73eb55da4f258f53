// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Walks a shown window or dialog as a screen reader does, through QAccessibleInterface children, and finds what a
// reader would meet badly: a control the keyboard reaches with no name, a column header without its title, a tick
// box or radio button that does not say it can be ticked, a name that still holds markup.

#include <QStringList>

class QWidget;

// One line for each problem, naming the path of roles down to the node; none when all is well.
QStringList unreadable(QWidget& top);
