// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// PriceHistoryDialog shows how an item's prices went over time: a line chart with a line per shop, and the same points
// with their packs in a table below it, in the user's date and money format; the chart can show unit prices
// instead, so that a smaller pack for the same price shows. It only reads the document.

#include <QDialog>

class Document;
class QCheckBox;
class QLabel;
class QVBoxLayout;
class QTreeWidget;
class QWidget;

class PriceHistoryDialog : public QDialog {
    Q_OBJECT

public:
    PriceHistoryDialog(const Document& document, const QString& itemKey, const QString& itemName,
                       QWidget* parent = nullptr);

    // Charts the prices, or the unit prices of the prices that had a pack.
    void showPrices(bool unitPrices);

    QWidget* chart = nullptr; // the chart, or the line that says there is no history yet
    QCheckBox* unitPricesBox = nullptr;
    QTreeWidget* pointList = nullptr;
    int seriesCount = 0;

private:
    const Document& m_document;
    QString m_itemKey;
    QVBoxLayout* m_layout = nullptr;
};
