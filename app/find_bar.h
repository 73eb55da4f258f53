// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The find bar of the main window (Edit, Find): a box for the text to look for and a line that says when
// nothing matches. Typing looks from the current item on, Enter for the next match and Shift+Enter for the
// previous one; Esc closes the bar. It only asks: the window finds and shows the item.

#include <QWidget>

class QLabel;
class QLineEdit;

class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with the box ready for typing.
    void open();
    // Says whether the last search found an item.
    void setFound(bool found);

    QLineEdit* txtFind;
    QLabel* lblNotFound;

signals:
    // `fromCurrent`: the current item itself may match (while typing); otherwise the search moves on.
    void findRequested(const QString& text, bool backwards, bool fromCurrent);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
