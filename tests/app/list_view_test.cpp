// A list's rows: what they hold reaches the view through the model, and the view hears of every real change
// made through Qt's item interface, whether by the program or by an editor.
#include "list_view.h"

#include <QSignalSpy>
#include <QTest>

class ListViewTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAnswerThroughTheModel();
    void realChangesReachTheView();
    void appendedRowsSelectTheFirst();
};

void ListViewTest::rowsAnswerThroughTheModel() {
    ListView view;
    view.appendRow(QStringLiteral("Milk"), QStringLiteral("2"), true, QStringLiteral("K3"));
    const QAbstractItemModel* model = view.model();
    const QModelIndex name = model->index(0, 0);
    const QModelIndex quantity = model->index(0, 1);
    QCOMPARE(name.data().toString(), QStringLiteral("Milk"));
    QCOMPARE(name.data(Qt::EditRole).toString(), QStringLiteral("Milk"));
    QCOMPARE(name.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(name.data(Qt::UserRole).toString(), QStringLiteral("K3"));
    QCOMPARE(quantity.data().toString(), QStringLiteral("2"));
    QCOMPARE(quantity.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(view.row(1)->columnCount(), 2);
    QVERIFY(!name.data(Qt::ToolTipRole).isValid());
    QVERIFY(model->flags(name).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(model->flags(name).testFlag(Qt::ItemIsEditable));
}

void ListViewTest::realChangesReachTheView() {
    ListView view;
    QTreeWidgetItem* row = view.appendRow(QStringLiteral("Milk"), QStringLiteral("2"), false, QStringLiteral("K3"));
    QSignalSpy changed(view.model(), &QAbstractItemModel::dataChanged);
    ListView::setTicked(row, true);
    QCOMPARE(changed.first().at(1).toModelIndex(), view.model()->index(0, 1)); // the whole row
    ListView::setTicked(row, true);                                            // no change
    ListView::setQuantity(row, QStringLiteral("3"));
    ListView::setQuantity(row, QStringLiteral("3")); // no change
    QCOMPARE(changed.size(), 2);
    QVERIFY(ListView::isTicked(row));

    // An editor writes through the model, as the in-place rename and the tick box do.
    QVERIFY(view.model()->setData(view.model()->index(0, 0), QStringLiteral("Oat milk"), Qt::EditRole));
    QVERIFY(view.model()->setData(view.model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(changed.size(), 4);
    QCOMPARE(ListView::name(row), QStringLiteral("Oat milk"));
    QVERIFY(!ListView::isTicked(row));
    row->setToolTip(0, QStringLiteral("tip"));
    QCOMPARE(view.model()->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("tip"));
    QCOMPARE(ListView::key(row), QStringLiteral("K3"));
}

void ListViewTest::appendedRowsSelectTheFirst() {
    ListView view;
    view.appendRows({ListView::makeRow(QStringLiteral("A"), QStringLiteral("1"), true, QStringLiteral("K0")),
                     ListView::makeRow(QStringLiteral("B"), QString(), false, QStringLiteral("K1"))});
    QCOMPARE(view.rowCount(), 2);
    QCOMPARE(view.selectedPosition(), 1);
    QCOMPARE(ListView::name(view.row(2)), QStringLiteral("B"));
    view.appendRows({});
    QCOMPARE(view.selectedPosition(), 1);
}

QTEST_MAIN(ListViewTest)
#include "list_view_test.moc"
