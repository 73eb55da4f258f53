// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// TopMost and ShellAndWait: keeping a window above the others, and running a program while its caller's window
// is hidden. Both work on a window object reached by name (see late_binding.h) and throw a VarnetError.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace varnetocx {

// Twips to pixels at the fixed 15 twips a pixel, exact halves rounded to the even neighbour.
int twipsToPixels(double twips);

// Passes the window's pixel rectangle to platform::setWindowPos with the top-most or not-top-most position,
// then moves the window back to the twip rectangle it had, so pixel rounding never shifts it.
void topMost(QObject* window, bool onTop);

// The program and arguments of commandLine, split as a POSIX shell splits words: blanks separate them, single
// quotes keep everything, double quotes keep all but a backslash before $ ` " \ or a line feed, and a backslash
// outside quotes keeps the next character. Nothing for an unclosed quote. Variables, pipes and redirections are
// plain text.
std::optional<QStringList> splitCommandLine(const QString& commandLine);

// Starts commandLine (split by splitCommandLine), hides the window, handles the events that are waiting once,
// waits for the program to end without a time limit and shows the window again. Throws "Error starting task"
// without touching the window when the line names no program, has an unclosed quote or the program cannot start.
void shellAndWait(QObject* window, const QString& commandLine);

} // namespace varnetocx
