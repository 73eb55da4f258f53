// The list commands of the main window: ticking and counting items, moving them up and down, renaming and
// deleting them, select-all, and opening the item editor and the move-or-copy dialog. Each turns what the user
// did into a call on the document. They keep every list in this state: a ticked row holds a quantity of at
// least 1, an unticked row none.

#include "item_editor.h"
#include "list_models.h"
#include "list_view.h"
#include "main_window.h"
#include "money.h"
#include "move_copy.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int MaxQuantity = 999;

} // namespace

void frmLists::connectListCommands(int l) {
    ListView* view = lvList[l];
    connect(view, &ListView::gotFocus, this, [this, l] { lvList_GotFocus(l); });
    connect(view, &ListView::keyDown, this, [this, l](int key) { lvList_KeyDown(l, key); });
    // Only the user's own ticks and renames arrive here; the program's never run the quantity rule.
    connect(m_listModels[l], &ListModel::renamedByUser, this,
            [this, l](int row, const QString& text) { lvList_AfterLabelEdit(l, row + 1, text); });
    connect(m_listModels[l], &ListModel::tickedByUser, this,
            [this, l](int row, bool ticked) { lvList_ItemCheck(l, row + 1, ticked); });
    connect(chkSelAll[l], &QCheckBox::clicked, this, [this, l] { chkSelAll_Click(l); });
    connect(cmdAdd[l], &QPushButton::clicked, this, [this, l] { cmdAdd_Click(l); });
    connect(cmdEdit[l], &QPushButton::clicked, this, [this, l] { cmdEdit_Click(l); });
    connect(cmdNUp[l], &QPushButton::clicked, this, [this, l] { cmdNUp_Click(l); });
    connect(cmdNDown[l], &QPushButton::clicked, this, [this, l] { cmdNDown_Click(l); });
    connect(cmdPlus[l], &QPushButton::clicked, this, [this, l] { cmdPlus_Click(l); });
    connect(cmdMinus[l], &QPushButton::clicked, this, [this, l] { cmdMinus_Click(l); });
}

int frmLists::selectedRow(int list) const {
    return lvList[list]->selectedPosition() - 1;
}

void frmLists::setMoveOrCopyCaption(const QString& itemName) {
    // "&&" keeps an ampersand of the name from becoming the menu's access key.
    QString escaped = itemName;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    mnuEditMOC->setText(tr("&Move or Copy '%1' ...").arg(escaped));
}

void frmLists::lvList_GotFocus(int list) {
    CurrentList = static_cast<qint16>(list);
    if (const int row = selectedRow(list); row >= 0) {
        setMoveOrCopyCaption(m_document.item(list, row).name);
        mnuEditMOC->setEnabled(true);
    } else {
        mnuEditMOC->setText(tr("&Move or Copy..."));
        mnuEditMOC->setEnabled(false);
    }
}

void frmLists::lvList_KeyDown(int list, int key) {
    if (m_document.itemCount(list) == 0)
        return;
    if (key == Qt::Key_Delete) {
        if (const int row = selectedRow(list); row >= 0) {
            const UserPrompts::Answer answer = prompts().message(
                tr("Are you sure you want to delete the item '%1' from the '%2' list?")
                    .arg(m_document.item(list, row).name, m_document.listName(list)),
                tr("Delete Item"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo, UserPrompts::Answer::Yes);
            if (answer == UserPrompts::Answer::Yes) {
                const UndoStep step = undoStep(tr("Delete '%1'").arg(m_document.item(list, row).name));
                m_document.deleteItem(list, row);
            }
        }
        for (int l = 0; l < ListCount; ++l)
            RefreshSelectAll(l);
    }
    lvList_GotFocus(list);
    if (key == Qt::Key_F2)
        lvList[list]->startRename();
}

void frmLists::lvList_AfterLabelEdit(int list, int position, const QString& newText) {
    {
        const UndoStep step = undoStep(tr("Rename '%1'").arg(newText));
        m_document.renameItem(list, position - 1, newText);
    }
    setMoveOrCopyCaption(newText);
}

void frmLists::lvList_ItemCheck(int list, int position, bool ticked) {
    if (position < 1 || position > m_document.itemCount(list))
        return;
    {
        const QString& name = m_document.item(list, position - 1).name;
        const UndoStep step = undoStep((ticked ? tr("Tick '%1'") : tr("Untick '%1'")).arg(name));
        m_document.setItemState(list, position - 1, ticked, ticked ? QStringLiteral("1") : QString());
    }
    RefreshSelectAll(list);
}

void frmLists::RefreshSelectAll(int list) {
    const std::vector<Item>& items = m_document.items(list);
    if (items.empty())
        return;
    const auto ticked = std::count_if(items.begin(), items.end(), [](const Item& item) { return item.ticked; });
    chkSelAll[list]->setCheckState(ticked == std::ssize(items) ? Qt::Checked
                                   : ticked == 0               ? Qt::Unchecked
                                                               : Qt::PartiallyChecked);
}

void frmLists::chkSelAll_Click(int list) {
    lvList_GotFocus(list);
    const Qt::CheckState state = chkSelAll[list]->checkState();
    if (state == Qt::PartiallyChecked)
        return;
    const UndoStep step =
        undoStep((state == Qt::Checked ? tr("Tick All of List %1") : tr("Clear List %1")).arg(list + 1));
    m_document.setAllTicked(list, state == Qt::Checked);
}

void frmLists::cmdPlus_Click(int list) {
    lvList_GotFocus(list);
    const int row = selectedRow(list);
    if (row < 0)
        return;
    const QString text = m_document.item(list, row).quantity;
    const UndoStep step = undoStep(tr("Count Up '%1'").arg(m_document.item(list, row).name));
    if (const std::optional<double> quantity = Money::toNumber(text)) {
        m_document.setItemState(list, row, true, *quantity < MaxQuantity ? Money::plainNumber(*quantity + 1) : text);
        return;
    }
    m_document.setItemState(list, row, true, QStringLiteral("1"));
    RefreshSelectAll(list);
}

void frmLists::cmdMinus_Click(int list) {
    lvList_GotFocus(list);
    const int row = selectedRow(list);
    if (row < 0)
        return;
    const Item item = m_document.item(list, row);
    const std::optional<double> quantity = Money::toNumber(item.quantity);
    if (!quantity)
        return;
    const UndoStep step = undoStep(tr("Count Down '%1'").arg(item.name));
    if (item.quantity == QLatin1String("1")) {
        m_document.setItemState(list, row, false, QString());
        RefreshSelectAll(list);
        return;
    }
    m_document.setItemState(list, row, item.ticked, Money::plainNumber(*quantity - 1));
}

void frmLists::moveSelectedRow(int list, int offset) {
    lvList_GotFocus(list);
    const int row = selectedRow(list);
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= m_document.itemCount(list))
        return;
    {
        const UndoStep step =
            undoStep((offset < 0 ? tr("Move Up '%1'") : tr("Move Down '%1'")).arg(m_document.item(list, row).name));
        m_document.moveItem(list, row, target);
    }
    lvList[list]->selectRow(target + 1);
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
    {
        UndoStep step = undoStep(QString());
        showModal(editor);
        step.setText((mode == 1 ? tr("Add '%1'") : tr("Edit '%1'")).arg(editor.itemName()));
    }
    if (mode == 1 && editor.result() == QDialog::Accepted)
        mnuEditMOC->setEnabled(true);
}

void frmLists::cmdAdd_Click(int list) {
    openItemEditor(list, 1);
}

void frmLists::cmdEdit_Click(int list) {
    if (selectedRow(list) >= 0)
        openItemEditor(list, 2);
}

bool frmLists::keysLeft() {
    if (m_document.keysLeft())
        return true;
    prompts().message(tr("No more items can be added: every item key this data file can number has been used."),
                      tr("Error"), UserPrompts::Icon::Exclamation);
    return false;
}

void frmLists::mnuEditMOC_Click() {
    if (selectedRow(CurrentList) < 0)
        return;
    const QString name = m_document.item(CurrentList, selectedRow(CurrentList)).name;
    frmMOC dialog(*this);
    UndoStep step = undoStep(QString());
    showModal(dialog);
    step.setText((dialog.copies() ? tr("Copy '%1'") : tr("Move '%1'")).arg(name));
    tabMain_Change(m_shownTab);
}
