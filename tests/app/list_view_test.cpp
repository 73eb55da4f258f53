// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// A list's rows: the view shows the document's items through a ListModel, which announces every change the
// document makes the way Qt's views and item models rely on; a user's tick or rename comes back as a request
// and changes nothing by itself; and a list with rows always has a selected row.
#include "document.h"
#include "list_models.h"
#include "list_view.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>

using Change = std::function<void(Document&)>;
Q_DECLARE_METATYPE(Change)

namespace {

Item item(const char* key, const char* name, const char* quantity = "", bool ticked = false) {
    return Item{QString::fromLatin1(key), QString::fromLatin1(name), QString::fromLatin1(quantity), ticked};
}

// The first list holds A, B, C and D (K0 to K3), the second Z (K9).
void fill(Document& document) {
    document.insertItem(0, 0, item("K0", "A"));
    document.insertItem(0, 1, item("K1", "B", "2", true));
    document.insertItem(0, 2, item("K2", "C"));
    document.insertItem(0, 3, item("K3", "D", "1", true));
    document.insertItem(1, 0, item("K9", "Z"));
}

QString describe(const QString& name, const QString& quantity, bool ticked, const QString& key) {
    return QStringLiteral("%1[%2]%3%4").arg(name, quantity, ticked ? QStringLiteral("+") : QStringLiteral("-"), key);
}

// Each row as the model shows it: "name[quantity]+key", '+' for a tick and '-' for none.
QStringList shown(const QAbstractItemModel& model) {
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QModelIndex name = model.index(r, 0);
        rows << describe(name.data().toString(), model.index(r, 1).data().toString(),
                         name.data(Qt::CheckStateRole).toInt() == Qt::Checked,
                         name.data(ListModel::KeyRole).toString());
    }
    return rows;
}

QStringList held(const Document& document, int list) {
    QStringList rows;
    for (const Item& i : document.items(list))
        rows << describe(i.name, i.quantity, i.ticked, i.key);
    return rows;
}

int rowOf(const Document& document, int list, const QString& key) {
    for (int r = 0; r < document.itemCount(list); ++r)
        if (document.item(list, r).key == key)
            return r;
    return -1;
}

// Whether a dataChanged signal takes in the cell.
bool covers(const QList<QVariant>& signal, int row, int column) {
    const QModelIndex first = signal.at(0).toModelIndex();
    const QModelIndex last = signal.at(1).toModelIndex();
    return first.row() <= row && row <= last.row() && first.column() <= column && column <= last.column();
}

QStringList names(const Document& document, int list) {
    QStringList result;
    for (const Item& i : document.items(list))
        result << i.name;
    return result;
}

} // namespace

class ListViewTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAnswerThroughTheModel();
    void documentChangesReachModelAndView_data();
    void documentChangesReachModelAndView();
    void aListWithRowsHasASelectedRow();
    void usersTickAndRenameAreRequests();
    void shopsFollowRenames();
};

void ListViewTest::rowsAnswerThroughTheModel() {
    Document document;
    document.insertItem(2, 0, item("K3", "Milk", "2", true));
    ListModel model(document, 2);
    ListView view;
    view.setModel(&model);
    const QModelIndex name = model.index(0, 0);
    const QModelIndex quantity = model.index(0, 1);
    QCOMPARE(name.data().toString(), QStringLiteral("Milk"));
    QCOMPARE(name.data(Qt::EditRole).toString(), QStringLiteral("Milk"));
    QCOMPARE(name.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(name.data(ListModel::KeyRole).toString(), QStringLiteral("K3"));
    QCOMPARE(quantity.data().toString(), QStringLiteral("2"));
    QCOMPARE(quantity.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(view.rowCount(), 1);
    QVERIFY(!name.data(Qt::ToolTipRole).isValid());
    QVERIFY(model.flags(name).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(model.flags(name).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.flags(quantity).testFlag(Qt::ItemIsEditable));
}

void ListViewTest::documentChangesReachModelAndView_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("names");  // of the first list afterwards
    QTest::addColumn<QString>("followed");   // the key of a row held by a persistent index
    QTest::addColumn<int>("followedRow");    // where that index points afterwards; -1 when its row went
    QTest::addColumn<int>("selectedBefore"); // positions, from 1
    QTest::addColumn<int>("selectedAfter");

    const QStringList abcd{"A", "B", "C", "D"};
    QTest::newRow("add at the top") << Change([](Document& d) { d.addItem(0, 0, QStringLiteral("N")); })
                                    << QStringList{"N", "A", "B", "C", "D"} << "K2" << 3 << 2 << 3;
    QTest::newRow("insert in the middle") << Change([](Document& d) { d.insertItem(0, 2, item("K20", "N")); })
                                          << QStringList{"A", "B", "N", "C", "D"} << "K2" << 3 << 3 << 4;
    QTest::newRow("insert at the bottom") << Change([](Document& d) { d.insertItem(0, 4, item("K20", "N")); })
                                          << QStringList{"A", "B", "C", "D", "N"} << "K2" << 2 << 4 << 4;
    QTest::newRow("delete above the selection")
        << Change([](Document& d) { d.deleteItem(0, 0); }) << QStringList{"B", "C", "D"} << "K2" << 1 << 3 << 2;
    QTest::newRow("delete the selected row")
        << Change([](Document& d) { d.deleteItem(0, 1); }) << QStringList{"A", "C", "D"} << "K1" << -1 << 2 << 2;
    QTest::newRow("delete the selected last row")
        << Change([](Document& d) { d.deleteItem(0, 3); }) << QStringList{"A", "B", "C"} << "K2" << 2 << 4 << 3;
    QTest::newRow("move to the bottom") << Change([](Document& d) { d.moveItem(0, 0, 3); })
                                        << QStringList{"B", "C", "D", "A"} << "K0" << 3 << 1 << 4;
    QTest::newRow("move to the top") << Change([](Document& d) { d.moveItem(0, 3, 0); })
                                     << QStringList{"D", "A", "B", "C"} << "K3" << 0 << 4 << 1;
    QTest::newRow("move one down") << Change([](Document& d) { d.moveItem(0, 1, 2); })
                                   << QStringList{"A", "C", "B", "D"} << "K1" << 2 << 2 << 3;
    QTest::newRow("move one up") << Change([](Document& d) { d.moveItem(0, 2, 1); }) << QStringList{"A", "C", "B", "D"}
                                 << "K2" << 1 << 3 << 2;
    QTest::newRow("rename") << Change([](Document& d) { d.renameItem(0, 1, QStringLiteral("Bread")); })
                            << QStringList{"A", "Bread", "C", "D"} << "K1" << 1 << 2 << 2;
    QTest::newRow("quantity only") << Change([](Document& d) { d.setItemState(0, 1, true, QStringLiteral("3")); })
                                   << abcd << "K1" << 1 << 2 << 2;
    QTest::newRow("tick only") << Change([](Document& d) { d.setItemState(0, 2, true, QString()); }) << abcd << "K2"
                               << 2 << 1 << 1;
    QTest::newRow("tick all") << Change([](Document& d) { d.setAllTicked(0, true); }) << abcd << "K2" << 2 << 1 << 1;
    QTest::newRow("clear all") << Change([](Document& d) { d.setAllTicked(0, false); }) << abcd << "K1" << 1 << 1 << 1;
    QTest::newRow("move to another list")
        << Change([](Document& d) { d.moveItemToList(0, 1, 1); }) << QStringList{"A", "C", "D"} << "K2" << 1 << 2 << 2;
    QTest::newRow("arrive from another list") << Change([](Document& d) { d.moveItemToList(1, 0, 0); })
                                              << QStringList{"A", "B", "C", "D", "Z"} << "K2" << 2 << 1 << 1;
    QTest::newRow("copy to another list")
        << Change([](Document& d) { d.copyItemToList(0, 0, 1); }) << abcd << "K0" << 0 << 1 << 1;
    QTest::newRow("change in another list")
        << Change([](Document& d) { d.renameItem(1, 0, QStringLiteral("Y")); }) << abcd << "K2" << 2 << 3 << 3;
    QTest::newRow("a file adopted") << Change([](Document& d) {
        Store::StoredData data;
        data.shopsKnown = true;
        data.nextKey = 6;
        data.lists[0].items.push_back({QStringLiteral("X"), QString(), false, QStringLiteral("K5")});
        d.adopt(std::move(data));
    }) << QStringList{"X"} << "K2" << -1
                                    << 3 << 1;
}

void ListViewTest::documentChangesReachModelAndView() {
    QFETCH(Change, change);
    QFETCH(QStringList, names);
    QFETCH(QString, followed);
    QFETCH(int, followedRow);
    QFETCH(int, selectedBefore);
    QFETCH(int, selectedAfter);
    Document document;
    fill(document);
    ListModel model(document, 0);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    ListView view;
    view.setModel(&model);
    view.selectRow(selectedBefore - 1);
    QCOMPARE(view.selectedRow() + 1, selectedBefore);
    const QPersistentModelIndex persistent(model.index(rowOf(document, 0, followed), 0));
    QVERIFY(persistent.isValid());
    const QStringList before = shown(model);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    change(document);
    QCOMPARE(::names(document, 0), names);
    QCOMPARE(shown(model), held(document, 0));
    QCOMPARE(persistent.isValid() ? persistent.row() : -1, followedRow);
    if (persistent.isValid())
        QCOMPARE(persistent.data(ListModel::KeyRole).toString(), followed);
    QCOMPARE(view.selectedRow() + 1, selectedAfter);

    // Rows that only changed in place are announced, whole, so that the view draws them again.
    if (inserted.isEmpty() && removed.isEmpty() && moved.isEmpty() && reset.isEmpty()) {
        const QStringList after = shown(model);
        for (int r = 0; r < after.size(); ++r) {
            if (after[r] == before[r])
                continue;
            const bool announced = std::any_of(changed.begin(), changed.end(), [r](const QList<QVariant>& signal) {
                return covers(signal, r, 0) && covers(signal, r, 1);
            });
            QVERIFY2(announced, qPrintable(after[r]));
        }
    }
}

void ListViewTest::aListWithRowsHasASelectedRow() {
    Document document;
    ListModel model(document, 3);
    ListView view;
    view.setModel(&model);
    QCOMPARE(view.selectedRow(), -1);
    document.insertItem(3, 0, item("K0", "A"));
    QCOMPARE(view.selectedRow(), 0);
    document.insertItem(3, 1, item("K1", "B"));
    QCOMPARE(view.selectedRow(), 0);
    document.deleteItem(3, 0);
    QCOMPARE(view.selectedRow(), 0);
    document.deleteItem(3, 0);
    QCOMPARE(view.selectedRow(), -1);
    view.selectRow(0); // no such row: nothing happens
    QCOMPARE(view.selectedRow(), -1);
}

void ListViewTest::usersTickAndRenameAreRequests() {
    Document document;
    fill(document);
    ListModel model(document, 0);
    ListView view;
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy ticked(&model, &ListModel::tickedByUser);
    QSignalSpy renamed(&model, &ListModel::renamedByUser);
    const QStringList before = held(document, 0);

    view.setFocus();
    view.selectRow(1);
    QTest::keyClick(&view, Qt::Key_Space);
    view.selectRow(2);
    const QRect box = view.visualRect(model.index(2, 0));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(box.left() + 10, box.center().y()));
    QCOMPARE(ticked.size(), 2);
    QCOMPARE(ticked.at(0), (QList<QVariant>{1, false}));
    QCOMPARE(ticked.at(1), (QList<QVariant>{2, true}));

    view.startRename();
    auto* editor = view.findChild<QLineEdit*>();
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("C"));
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Cheese"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(renamed.size(), 1);
    QCOMPARE(renamed.first(), (QList<QVariant>{2, QStringLiteral("Cheese")}));
    QVERIFY(!model.setData(model.index(2, 1), QStringLiteral("9"), Qt::EditRole));

    // Only the window, asked by these signals, changes the document.
    QCOMPARE(held(document, 0), before);
    QCOMPARE(view.selectedRow(), 2);
}

void ListViewTest::shopsFollowRenames() {
    Document document;
    ShopModel model(document);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    document.renameShop(1, QStringLiteral("Corner"));
    document.renameShop(20, QStringLiteral("Deli"));
    document.renameShop(20, QStringLiteral("Deli")); // no change
    QCOMPARE(changed.size(), 2);
    QVERIFY(covers(changed.at(0), 0, 1));
    QVERIFY(covers(changed.at(1), 19, 1));
    QCOMPARE(model.rowCount(), 20);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("Corner"));
    QCOMPARE(model.index(19, 0).data().toString(), QStringLiteral("20"));
    QCOMPARE(model.index(19, 1).data().toString(), QStringLiteral("Deli"));

    Store::StoredData data;
    data.shopsKnown = true;
    data.shopNames[4] = QStringLiteral("Market");
    document.adopt(std::move(data));
    QCOMPARE(model.index(0, 1).data().toString(), QString());
    QCOMPARE(model.index(4, 1).data().toString(), QStringLiteral("Market"));
}

QTEST_MAIN(ListViewTest)
#include "list_view_test.moc"
