// TopMost and ShellAndWait: keeping a window above the others, and running a program while its caller's window
// is hidden. Both work on a window object reached by name (see late_binding.h) and throw a VarnetError.
#pragma once

#include <QObject>
#include <QString>

namespace varnetocx {

// Twips to pixels at the fixed 15 twips a pixel, exact halves rounded to the even neighbour.
int twipsToPixels(double twips);

// Passes the window's pixel rectangle to platform::setWindowPos with the top-most or not-top-most position,
// then moves the window back to the twip rectangle it had, so pixel rounding never shifts it.
void topMost(QObject* window, bool onTop);

// Starts commandLine (split as a shell would, no shell features), hides the window, handles the events that are
// waiting once, waits for the program to end without a time limit and shows the window again. Throws "Error
// starting task" without touching the window when the program cannot start.
void shellAndWait(QObject* window, const QString& commandLine);

} // namespace varnetocx
