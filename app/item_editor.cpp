#include "item_editor.h"

#include "main_window.h"
#include "money.h"
#include "price_history.h"
#include "store_layout.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

enum PriceColumn { NumberColumn = 0, ShopColumn = 1, PriceColumn = 2, DateColumn = 3 };

} // namespace

frmAddEdit::frmAddEdit(frmLists& main)
    : QDialog(&main)
    , m_main(main) {
    lblName = new QLabel(tr("&Name:"), this);
    txtName = new QLineEdit(this);
    // A name as long as the data file holds must come back whole, not cut at the box's usual limit.
    txtName->setMaxLength(std::numeric_limits<int>::max());
    lblName->setBuddy(txtName);
    chkAddBottom = new QCheckBox(tr("&Add to bottom of list"), this);
    fraPrices = new QGroupBox(tr("Prices"), this);
    lvPrices = new QTreeWidget(fraPrices);
    lvPrices->setColumnCount(4);
    lvPrices->setRootIsDecorated(false);
    lvPrices->setUniformRowHeights(true);
    lvPrices->setAccessibleName(tr("Prices"));
    lvPrices->header()->setStretchLastSection(false);
    lvPrices->header()->setSectionResizeMode(ShopColumn, QHeaderView::Stretch);
    cmdSet = new QPushButton(tr("&Set price"), fraPrices);
    cmdDel = new QPushButton(tr("&Delete price"), fraPrices);
    cmdHistory = new QPushButton(tr("&History..."), fraPrices);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdOK->setDefault(true);

    auto* priceButtons = new QHBoxLayout;
    priceButtons->addWidget(cmdSet);
    priceButtons->addWidget(cmdDel);
    priceButtons->addStretch();
    priceButtons->addWidget(cmdHistory);
    auto* prices = new QVBoxLayout(fraPrices);
    prices->addWidget(lvPrices);
    prices->addLayout(priceButtons);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* name = new QHBoxLayout;
    name->addWidget(lblName);
    name->addWidget(txtName);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(chkAddBottom);
    layout->addWidget(fraPrices);
    layout->addLayout(buttons);
    resize(540, 520);

    connect(cmdSet, &QPushButton::clicked, this, &frmAddEdit::cmdSet_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmAddEdit::cmdDel_Click);
    connect(cmdHistory, &QPushButton::clicked, this, &frmAddEdit::cmdHistory_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAddEdit::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAddEdit::cmdCancel_Click);
    // A double click or F2 on a shop sets its price, as the button does; Enter there presses OK, as elsewhere.
    connect(lvPrices, &QTreeWidget::itemDoubleClicked, this, &frmAddEdit::cmdSet_Click);
    lvPrices->installEventFilter(this);

    // Load.
    const Document& document = m_main.document();
    lvPrices->setHeaderLabels({tr("#"), tr("Shop"), tr("Price (%1)").arg(document.symbol()), tr("Set on")});
    for (int shop = 1; shop <= Store::ShopCount; ++shop) {
        auto* row = new QTreeWidgetItem({QString::number(shop), document.shopName(shop)});
        row->setTextAlignment(PriceColumn, Qt::AlignRight | Qt::AlignVCenter);
        lvPrices->addTopLevelItem(row);
    }
    lvPrices->resizeColumnToContents(NumberColumn);
    lvPrices->setCurrentItem(lvPrices->topLevelItem(0));

    chkAddBottom->setVisible(m_main.EditorMode == 1);
    cmdHistory->setEnabled(m_main.EditorMode != 1);
    // What the editor works on is fixed when it opens.
    m_row = m_main.EditorMode == 3 ? -1 : m_main.selectedRow(m_main.EditorList);
    if (m_main.EditorMode == 1) {
        setWindowTitle(tr("Add"));
        chkAddBottom->setChecked(m_main.AddToBottom != 0);
    } else if (m_main.EditorMode == 2) {
        if (m_row >= 0) {
            const Item& item = document.item(m_main.EditorList, m_row);
            setWindowTitle(tr("Editing '%1'").arg(item.name));
            txtName->setText(item.name);
            loadPrices(item.key);
        }
    } else if (m_main.EditorMode == 3) {
        if (const auto [key, label] = m_main.comparedItem(); !key.isEmpty()) {
            setWindowTitle(tr("Editing '%1'").arg(label));
            txtName->setText(label);
            loadPrices(key);
        }
        // The name cannot be changed from the comparison; the box says so by looking like a button face.
        txtName->setEnabled(false);
        QPalette palette = txtName->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Button));
        txtName->setPalette(palette);
    }
}

void frmAddEdit::loadPrices(const QString& itemKey) {
    m_itemKey = itemKey;
    const Document::Prices& prices = m_main.document().prices(itemKey);
    for (int shop = 1; shop <= Store::ShopCount; ++shop)
        // An empty text or the store's marker for a missing key is no price: OK deletes it.
        if (prices.has(shop) && !prices.texts[shop - 1].isEmpty() && prices.texts[shop - 1] != ConfigFile::NotFound) {
            QTreeWidgetItem* row = lvPrices->topLevelItem(shop - 1);
            row->setText(PriceColumn, prices.texts[shop - 1]);
            const QDate date = prices.dates[shop - 1];
            row->setText(DateColumn,
                         date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : tr("date unknown"));
        }
    lvPrices->resizeColumnToContents(DateColumn);
}

void frmAddEdit::cmdSet_Click() {
    QTreeWidgetItem* row = lvPrices->currentItem();
    if (!row)
        return;
    const QString answer =
        m_main.prompts().input(tr("Please enter the cost of '%1' at '%2':").arg(txtName->text(), row->text(ShopColumn)),
                               tr("Edit Price"), row->text(PriceColumn));
    if (answer.isEmpty())
        return;
    const std::optional<double> value = Money::toNumber(answer);
    // Beyond single precision's range the number cannot be a price.
    if (!value || std::abs(*value) > std::numeric_limits<float>::max()) {
        m_main.prompts().message(tr("Please enter a number."), tr("Error"), UserPrompts::Icon::Exclamation);
        return;
    }
    const auto price = static_cast<float>(*value);
    if (price < Money::SmallestPrice) {
        m_main.prompts().message(tr("Please enter a value of 0.01 or greater."), tr("Error"),
                                 UserPrompts::Icon::Exclamation);
        return;
    }
    row->setText(PriceColumn, Money::formatPrice(price));
    row->setText(DateColumn, QLocale().toString(m_main.document().today(), QLocale::ShortFormat));
    m_changes[static_cast<size_t>(lvPrices->indexOfTopLevelItem(row))] = row->text(PriceColumn);
}

bool frmAddEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvPrices && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
            cmdSet_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAddEdit::cmdDel_Click() {
    if (QTreeWidgetItem* row = lvPrices->currentItem()) {
        row->setText(PriceColumn, QString());
        row->setText(DateColumn, QString());
        m_changes[static_cast<size_t>(lvPrices->indexOfTopLevelItem(row))] = QString();
    }
}

void frmAddEdit::cmdHistory_Click() {
    frmHistory history(m_main.document(), m_itemKey, txtName->text(), this);
    m_main.showModal(history);
}

QString frmAddEdit::itemName() const {
    return txtName->text();
}

QString frmAddEdit::addItem() {
    Document& document = m_main.document();
    const int list = m_main.EditorList;
    // No selected row means there is nothing to add below: the item goes to the bottom.
    const int row = !chkAddBottom->isChecked() && m_row >= 0 ? m_row + 1 : document.itemCount(list);
    m_main.AddToBottom = chkAddBottom->isChecked() ? 1 : 0;
    const QString key = document.addItem(list, row, txtName->text());
    for (int l = 0; l < frmLists::ListCount; ++l)
        m_main.RefreshSelectAll(l);
    return key;
}

void frmAddEdit::cmdOK_Click() {
    if (txtName->text().isEmpty()) {
        m_main.prompts().message(tr("Please type in a name for this item."), tr("Error"),
                                 UserPrompts::Icon::Exclamation);
        return;
    }
    Document& document = m_main.document();
    QString itemKey;
    if (m_main.EditorMode == 2) {
        if (m_row < 0)
            return;
        document.renameItem(m_main.EditorList, m_row, txtName->text());
        itemKey = m_itemKey;
    } else if (m_main.EditorMode == 1) {
        if (!m_main.keysLeft())
            return;
        itemKey = addItem();
    } else {
        itemKey = m_itemKey;
        if (itemKey.isEmpty())
            return;
    }
    // Every shop without a price in the list loses whatever is stored for it; the prices left as they were keep
    // their dates.
    std::array<std::optional<QString>, Store::ShopCount> changes = m_changes;
    for (int shop = 1; shop <= Store::ShopCount; ++shop)
        if (lvPrices->topLevelItem(shop - 1)->text(PriceColumn).isEmpty())
            changes[static_cast<size_t>(shop - 1)] = QString();
    document.setPrices(itemKey, changes);
    accept();
}
