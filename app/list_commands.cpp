// The list commands of the main window: ticking and counting items, moving them up and down, renaming and
// deleting them, select-all, and opening the item editor and the move-or-copy dialog. They keep every list
// in this state: a ticked row holds a quantity of at least 1, an unticked row none.

#include "item_editor.h"
#include "list_view.h"
#include "main_window.h"
#include "money.h"
#include "move_copy.h"
#include "store_layout.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace {

constexpr int MaxQuantity = 999;

} // namespace

void frmLists::connectListCommands(int l) {
    ListView* view = lvList[l];
    connect(view, &ListView::gotFocus, this, [this, l] { lvList_GotFocus(l); });
    connect(view, &ListView::keyDown, this, [this, l](int key) { lvList_KeyDown(l, key); });
    connect(view, &ListView::renameEnded, this,
            [this, l](QTreeWidgetItem*, const QString& text) { lvList_AfterLabelEdit(l, text); });
    // Only the user's own ticks arrive here; the program's never run the quantity rule.
    connect(view, &ListView::tickChangedByUser, this, [this, l](QTreeWidgetItem* row) { lvList_ItemCheck(l, row); });
    connect(chkSelAll[l], &QCheckBox::clicked, this, [this, l] { chkSelAll_Click(l); });
    connect(cmdAdd[l], &QPushButton::clicked, this, [this, l] { cmdAdd_Click(l); });
    connect(cmdEdit[l], &QPushButton::clicked, this, [this, l] { cmdEdit_Click(l); });
    connect(cmdNUp[l], &QPushButton::clicked, this, [this, l] { cmdNUp_Click(l); });
    connect(cmdNDown[l], &QPushButton::clicked, this, [this, l] { cmdNDown_Click(l); });
    connect(cmdPlus[l], &QPushButton::clicked, this, [this, l] { cmdPlus_Click(l); });
    connect(cmdMinus[l], &QPushButton::clicked, this, [this, l] { cmdMinus_Click(l); });
}

void frmLists::setMoveOrCopyCaption(const QString& itemName) {
    // "&&" keeps an ampersand of the name from becoming the menu's access key.
    QString escaped = itemName;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    mnuEditMOC->setText(tr("&Move or Copy '%1' ...").arg(escaped));
}

void frmLists::lvList_GotFocus(int list) {
    CurrentList = static_cast<qint16>(list);
    if (const QTreeWidgetItem* selected = lvList[list]->selectedRow()) {
        setMoveOrCopyCaption(ListView::name(selected));
        mnuEditMOC->setEnabled(true);
    } else {
        mnuEditMOC->setText(tr("&Move or Copy..."));
        mnuEditMOC->setEnabled(false);
    }
}

void frmLists::lvList_KeyDown(int list, int key) {
    ListView* view = lvList[list];
    if (view->rowCount() == 0)
        return;
    if (key == Qt::Key_Delete) {
        if (const QTreeWidgetItem* selected = view->selectedRow()) {
            const UserPrompts::Answer answer = prompts().message(
                tr("Are you sure you want to delete the item '%1' from the '%2' list?")
                    .arg(ListView::name(selected), txtName[list]->text()),
                tr("Delete Item"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo,
                UserPrompts::Answer::Yes);
            if (answer == UserPrompts::Answer::Yes) {
                const QString itemKey = ListView::key(selected);
                for (int shop = 1; shop <= Store::ShopCount; ++shop)
                    CF.DeleteValue(Store::priceKey(itemKey, shop));
                view->removeRow(view->selectedPosition());
            }
        }
        for (int l = 0; l < ListCount; ++l)
            RefreshSelectAll(l);
    }
    lvList_GotFocus(list);
    if (key == Qt::Key_F2)
        view->startRename();
}

void frmLists::lvList_AfterLabelEdit(int list, const QString& newText) {
    Q_UNUSED(list)
    setMoveOrCopyCaption(newText);
}

void frmLists::lvList_ItemCheck(int list, QTreeWidgetItem* row) {
    if (lvList[list]->rowCount() == 0 || !row)
        return;
    ListView::setQuantity(row, ListView::isTicked(row) ? QStringLiteral("1") : QString());
    RefreshSelectAll(list);
}

void frmLists::RefreshSelectAll(int list) {
    const ListView* view = lvList[list];
    if (view->rowCount() == 0)
        return;
    int ticked = 0;
    for (int j = 1; j <= view->rowCount(); ++j)
        ticked += ListView::isTicked(view->row(j)) ? 1 : 0;
    chkSelAll[list]->setCheckState(ticked == view->rowCount() ? Qt::Checked
                                   : ticked == 0              ? Qt::Unchecked
                                                              : Qt::PartiallyChecked);
}

void frmLists::chkSelAll_Click(int list) {
    lvList_GotFocus(list);
    const Qt::CheckState state = chkSelAll[list]->checkState();
    if (state == Qt::PartiallyChecked)
        return;
    const ListView* view = lvList[list];
    for (int j = 1; j <= view->rowCount(); ++j) {
        QTreeWidgetItem* row = view->row(j);
        if (state == Qt::Checked) {
            ListView::setTicked(row, true);
            if (!Money::isNumber(ListView::quantity(row)))
                ListView::setQuantity(row, QStringLiteral("1"));
        } else {
            ListView::setTicked(row, false);
            ListView::setQuantity(row, QString());
        }
    }
}

void frmLists::cmdPlus_Click(int list) {
    lvList_GotFocus(list);
    QTreeWidgetItem* row = lvList[list]->selectedRow();
    if (!row)
        return;
    ListView::setTicked(row, true);
    if (const std::optional<double> quantity = Money::toNumber(ListView::quantity(row))) {
        if (*quantity < MaxQuantity)
            ListView::setQuantity(row, Money::plainNumber(*quantity + 1));
        return;
    }
    ListView::setQuantity(row, QStringLiteral("1"));
    RefreshSelectAll(list);
}

void frmLists::cmdMinus_Click(int list) {
    lvList_GotFocus(list);
    QTreeWidgetItem* row = lvList[list]->selectedRow();
    if (!row)
        return;
    const QString text = ListView::quantity(row);
    const std::optional<double> quantity = Money::toNumber(text);
    if (!quantity)
        return;
    if (text == QLatin1String("1")) {
        ListView::setQuantity(row, QString());
        ListView::setTicked(row, false);
        RefreshSelectAll(list);
        return;
    }
    ListView::setQuantity(row, Money::plainNumber(*quantity - 1));
}

void frmLists::moveSelectedRow(int list, int offset) {
    lvList_GotFocus(list);
    ListView* view = lvList[list];
    const int position = view->selectedPosition();
    const int target = position + offset;
    if (position == 0 || target < 1 || target > view->rowCount())
        return;
    const QTreeWidgetItem* row = view->row(position);
    const QString name = ListView::name(row);
    const QString quantity = ListView::quantity(row);
    const QString key = ListView::key(row);
    const bool ticked = ListView::isTicked(row);
    // Removal first, so that no two rows ever hold the same key.
    view->removeRow(position);
    view->insertRow(target, name, quantity, ticked, key);
    view->selectRow(target);
}

void frmLists::cmdNUp_Click(int list) {
    moveSelectedRow(list, -1);
}

void frmLists::cmdNDown_Click(int list) {
    moveSelectedRow(list, +1);
}

void frmLists::openItemEditor(int list, qint16 mode) {
    lvList_GotFocus(list);
    EditorMode = mode;
    CurrentList = static_cast<qint16>(list);
    EditorList = static_cast<qint16>(list);
    frmAddEdit editor(*this);
    showModal(editor);
}

void frmLists::cmdAdd_Click(int list) {
    openItemEditor(list, 1);
}

void frmLists::cmdEdit_Click(int list) {
    if (lvList[list]->selectedRow())
        openItemEditor(list, 2);
}

bool frmLists::keysLeft() {
    // Every key number stays below NextKey, so the counter's largest value is never given out.
    if (NextKey < std::numeric_limits<qint32>::max())
        return true;
    prompts().message(tr("No more items can be added: every item key this data file can number has been used."),
                      tr("Error"), UserPrompts::Icon::Exclamation);
    return false;
}

void frmLists::mnuEditMOC_Click() {
    if (!lvList[CurrentList]->selectedRow())
        return;
    frmMOC dialog(*this);
    showModal(dialog);
}
