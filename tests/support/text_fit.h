// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Finds text a user cannot read whole in a shown window or dialog: a label, push button, radio button or tick box
// whose text needs more room than the control has, a header section narrower than its title, a column of a table
// the program fills narrower than its cells, and two controls of one parent that cover each other. Only what would
// show is looked at: the controls of a hidden tab are not.

#include <QStringList>

class QWidget;

// A caption as it shows where "&" marks an access key (a menu entry, a button, a label with a buddy): the access
// key's "&" gone, "&&" one "&".
QString shownText(QString text);

// One line for each problem, naming the controls (class, object name, text) and the sizes; none when all is well.
QStringList cutOrCovered(const QWidget& top);
