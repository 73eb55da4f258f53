// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "list_models.h"

#include "document.h"

ListModel::ListModel(Document& document, int list, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_list(list) {
    const auto mine = [this](auto handler) {
        return [this, handler](int list, auto... rows) {
            if (list == m_list)
                handler(rows...);
        };
    };
    connect(&document, &Document::listAboutToBeReset, this, mine([this] { beginResetModel(); }));
    connect(&document, &Document::listReset, this, mine([this] { endResetModel(); }));
    connect(&document, &Document::itemsAboutToBeInserted, this,
            mine([this](int first, int last) { beginInsertRows({}, first, last); }));
    connect(&document, &Document::itemsInserted, this, mine([this](int, int) { endInsertRows(); }));
    connect(&document, &Document::itemsAboutToBeRemoved, this,
            mine([this](int first, int last) { beginRemoveRows({}, first, last); }));
    connect(&document, &Document::itemsRemoved, this, mine([this](int, int) { endRemoveRows(); }));
    // Qt counts a move's destination before the moved row is taken out.
    connect(&document, &Document::itemAboutToBeMoved, this,
            mine([this](int from, int to) { beginMoveRows({}, from, from, {}, to > from ? to + 1 : to); }));
    connect(&document, &Document::itemMoved, this, mine([this](int, int) { endMoveRows(); }));
    connect(&document, &Document::itemChanged, this,
            mine([this](int row) { emit dataChanged(index(row, 0), index(row, 1)); }));
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_document.itemCount(m_list);
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Item& item = m_document.item(m_list, index.row());
    const bool text = role == Qt::DisplayRole || role == Qt::EditRole;
    if (index.column() == 0) {
        if (text)
            return item.name;
        if (role == Qt::CheckStateRole)
            return item.ticked ? Qt::Checked : Qt::Unchecked;
        if (role == KeyRole)
            return item.key;
        return {};
    }
    if (text)
        return item.quantity;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled |
           (index.column() == 0 ? Qt::ItemIsUserCheckable | Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0)
        return false;
    if (role == Qt::CheckStateRole) {
        emit tickedByUser(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (role == Qt::EditRole) {
        emit renamedByUser(index.row(), value.toString());
        return true;
    }
    return false;
}

ShopModel::ShopModel(Document& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document) {
    // Twenty rows: a change of any kind, an undo among them, redraws them all.
    connect(&document, &Document::changed, this,
            [this] { emit dataChanged(index(0, NameColumn), index(Document::ShopCount - 1, Columns - 1)); });
}

int ShopModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Document::ShopCount;
}

int ShopModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant ShopModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int shop = index.row() + 1;
    switch (index.column()) {
    case NumberColumn:
        return role == Qt::DisplayRole ? QVariant(QString::number(shop)) : QVariant();
    case NameColumn:
        return role == Qt::DisplayRole ? QVariant(m_document.shopName(shop)) : QVariant();
    case UsedColumn:
        if (role == Qt::CheckStateRole)
            return m_document.usedInPlans(shop) ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::AccessibleTextRole)
            return m_document.usedInPlans(shop) ? tr("Used in trip plans") : tr("Not used in trip plans");
        return {};
    case TripCostColumn: {
        const QString cost = m_document.tripCost(shop);
        if (role == Qt::DisplayRole)
            return cost.isEmpty() ? QString() : m_document.symbol() + cost;
        if (role == Qt::AccessibleTextRole)
            return cost.isEmpty() ? tr("No trip cost") : m_document.symbol() + cost;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    }
    default:
        return {};
    }
}

QVariant ShopModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    switch (section) {
    case NumberColumn:
        return role == Qt::DisplayRole ? tr("#") : tr("Number");
    case NameColumn:
        return tr("Shop Name");
    case UsedColumn:
        return tr("Use in trip plans");
    default:
        return tr("Trip cost");
    }
}

Qt::ItemFlags ShopModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled |
           (index.column() == UsedColumn ? Qt::ItemIsUserCheckable : Qt::NoItemFlags);
}

bool ShopModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != UsedColumn || role != Qt::CheckStateRole)
        return false;
    emit usedInPlansByUser(index.row() + 1, value.toInt() == Qt::Checked);
    return true;
}
