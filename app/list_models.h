// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Item models over the document for the views of the main window. They own nothing but the document's
// attention: each shows what the document holds and passes a user's edit on as a request, which the window
// turns into a document call.

#include <QAbstractTableModel>

class Document;

// One item list: the tick and the name in column 0, the quantity in column 1, the item key as KeyRole.
class ListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;

    ListModel(Document& document, int list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A tick or name a user changed in the view; nothing changes until the window has asked the document.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void tickedByUser(int row, bool ticked);
    void renamedByUser(int row, const QString& name);

private:
    Document& m_document;
    int m_list;
};

// The shops, a row each from shop 1: the number, the name, whether trip plans may visit it (a tick) and what a
// visit costs.
class ShopModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NumberColumn, NameColumn, UsedColumn, TripCostColumn, Columns };

    explicit ShopModel(Document& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A tick a user changed in the view; nothing changes until the window has asked the document.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void usedInPlansByUser(int shop, bool used);

private:
    Document& m_document;
};
