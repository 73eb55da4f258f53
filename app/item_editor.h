#pragma once

// frmAddEdit, the item editor: names an item and sets its price at each of the twenty shops. The main
// window's EditorMode says what it is opened for: 1 adds an item to list EditorList, 2 edits that list's
// selected item, 3 edits the prices of the price comparison's selected item. It owns only its own controls;
// nothing changes until OK, which makes the change through the document.

#include "store_layout.h"

#include <QDialog>

#include <array>
#include <optional>

class frmLists;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class frmAddEdit : public QDialog {
    Q_OBJECT

public:
    explicit frmAddEdit(frmLists& main);

    void cmdSet_Click();
    void cmdDel_Click();
    // Shows the item's prices over time; an item being added has none yet.
    void cmdHistory_Click();
    void cmdOK_Click();
    void cmdCancel_Click() { reject(); }
    QString itemName() const;

    QLabel* lblName;
    QLineEdit* txtName;
    QCheckBox* chkAddBottom;
    QGroupBox* fraPrices;
    QTreeWidget* lvPrices;
    QPushButton* cmdSet;
    QPushButton* cmdDel;
    QPushButton* cmdHistory;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadPrices(const QString& itemKey);
    QString addItem();

    frmLists& m_main;
    int m_row = -1;    // the list's row edited, or below which an item is added; -1 for none
    QString m_itemKey; // of the item whose prices were loaded
    // The prices set or deleted here, by shop: what OK changes.
    std::array<std::optional<QString>, Store::ShopCount> m_changes;
};
