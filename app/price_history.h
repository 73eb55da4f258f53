// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// PriceHistoryDialog shows how an item's prices went over time: a line chart with a line per shop, and the same points
// in a table below it, in the user's date and money format. It only reads the document.

#include <QDialog>

class Document;
class QLabel;
class QTreeWidget;
class QWidget;

class PriceHistoryDialog : public QDialog {
    Q_OBJECT

public:
    PriceHistoryDialog(const Document& document, const QString& itemKey, const QString& itemName,
                       QWidget* parent = nullptr);

    QWidget* chart = nullptr; // the chart, or the line that says there is no history yet
    QTreeWidget* pointList = nullptr;
    int seriesCount = 0;
};
