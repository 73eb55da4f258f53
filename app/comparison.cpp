// GenPCList, the price comparison: for the ticked (or all) items of the four lists, each item's cost at every
// shop, the total per shop and the cheapest shop. The table is derived, rebuilt from scratch every time.

#include "item_editor.h"
#include "list_view.h"
#include "main_window.h"
#include "money.h"
#include "store_layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

constexpr int ShopColumns = Store::ShopCount;
const QColor BestPriceColour(255, 0, 0);

QTreeWidgetItem* tableRow(const QString& label, const QFont* bold = nullptr) {
    auto* row = new QTreeWidgetItem({label});
    for (int s = 1; s <= ShopColumns; ++s)
        row->setTextAlignment(s, Qt::AlignRight | Qt::AlignVCenter);
    if (bold)
        row->setFont(0, *bold);
    return row;
}

} // namespace

void frmLists::GenPCList() {
    cmdCEdit->setEnabled(false);
    const bool allItems = !optShow[0]->isChecked();
    lvCompare->clear();

    const QString symbol = CF.ReadValue(Store::symbolKey(), Store::DefaultSymbol);
    QStringList shopNames;
    for (int s = 1; s <= ShopColumns; ++s) {
        shopNames << lvShops->topLevelItem(s - 1)->text(1);
        lvCompare->headerItem()->setText(s, shopNames.back() + QStringLiteral(" (") + symbol + QLatin1Char(')'));
    }

    QFont bold = lvCompare->font();
    bold.setBold(true);
    QList<QTreeWidgetItem*> rows;
    // Totals add the shown texts read back, in row order and in single precision.
    std::array<float, ShopColumns + 1> total{};
    std::array<int, ShopColumns + 1> priced{};
    int shownItems = 0;
    for (int l = 0; l < ListCount; ++l) {
        rows << tableRow(txtName[l]->text(), &bold);
        const ListView* view = lvList[l];
        for (int j = 1; j <= view->rowCount(); ++j) {
            const QTreeWidgetItem* item = view->row(j);
            if (!allItems && !ListView::isTicked(item))
                continue;
            const QString key = ListView::key(item);
            const QString quantityText = ListView::quantity(item);
            QTreeWidgetItem* row =
                tableRow(allItems ? ListView::name(item) : ListView::name(item) + QStringLiteral(" x ") + quantityText);
            row->setData(0, Qt::UserRole, key);
            ++shownItems;
            // A quantity that is no number (only an edited data file has one) leaves the row's cells empty.
            const std::optional<double> quantity = Money::toNumber(quantityText);
            for (int s = 1; s <= ShopColumns; ++s) {
                const QString price = CF.ReadValue(Store::priceKey(key, s), QStringLiteral(" "));
                QString cell;
                if (allItems)
                    cell = price;
                else if (const std::optional<double> unit = Money::toNumber(price); unit && quantity)
                    cell = Money::format(*quantity * *unit);
                row->setText(s, cell);
                if (const std::optional<double> shown = Money::toNumber(cell)) {
                    total[s] += static_cast<float>(*shown);
                    ++priced[s];
                }
            }
            rows << row;
        }
        rows << tableRow(QString());
    }

    QTreeWidgetItem* totals = tableRow(QStringLiteral("TOTALS"), &bold);
    for (int s = 1; s <= ShopColumns; ++s) {
        totals->setText(s, Money::format(total[s]));
        totals->setToolTip(s,
                           tr("%1 prices %2 of %3 shown items").arg(shopNames[s - 1]).arg(priced[s]).arg(shownItems));
    }
    rows << totals << tableRow(QString());

    BestPrice = 0;
    BestShop = QStringLiteral("(None)");
    int bestShop = 0;
    for (int s = 1; s <= ShopColumns; ++s) {
        if (total[s] > 0 && (BestPrice == 0 || total[s] < BestPrice)) {
            BestPrice = total[s];
            BestShop = shopNames[s - 1];
            bestShop = s;
        }
    }
    QTreeWidgetItem* best = tableRow(QStringLiteral("BEST PRICE:"));
    best->setText(1, BestShop);
    best->setText(2, symbol + Money::format(BestPrice));
    best->setTextAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column <= ShopColumns; ++column) {
        best->setFont(column, bold);
        best->setForeground(column, BestPriceColour);
    }
    rows << best;
    lvCompare->addTopLevelItems(rows);

    lblCheapest->setText(bestShop == 0 ? tr("No shop has a price for the shown items.")
                                       : tr("Cheapest: %1, %2%3 \u2014 prices %4 of %5 shown items")
                                             .arg(BestShop, symbol, Money::format(BestPrice))
                                             .arg(priced[bestShop])
                                             .arg(shownItems));
}

void frmLists::lvCompare_ItemClick(QTreeWidgetItem* row) {
    cmdCEdit->setEnabled(row && !row->data(0, Qt::UserRole).toString().isEmpty());
}

void frmLists::cmdCEdit_Click() {
    EditorMode = 3;
    frmAddEdit editor(*this);
    showModal(editor);
}
