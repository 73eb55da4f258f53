// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Names are shown exactly as typed wherever they appear: in message and input boxes, the Move or Copy dialog, the
// item editor's and History's titles, the History chart's legend and the comparison's lines and tooltips, however
// much they look like markup, an access key or arg() markers.
#include "item_editor.h"
#include "move_copy.h"
#include "price_history.h"
#include "text_fit.h"
#include "user_prompts.h"
#include "window_fixture.h"

#include <QApplication>
#include <QChartView>
#include <QDialog>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeView>

namespace {

// What a user reads in a label or tooltip: markup rendered where Qt takes the text for markup.
QString shown(const QString& text, Qt::TextFormat format = Qt::AutoText) {
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Shows a real box through the program's prompts and reads what its labels show before closing it.
QString shownInBox(const std::function<void(QtUserPrompts&)>& show) {
    QWidget parent;
    QtUserPrompts prompts(&parent);
    QString texts;
    QTimer::singleShot(0, [&texts] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            const QString text = shown(label->text(), label->textFormat());
            // A label with a buddy takes "&" for its access key.
            texts += (label->buddy() ? shownText(text) : text) + QLatin1Char('\n');
        }
        static_cast<QDialog*>(box)->reject();
    });
    show(prompts);
    return texts;
}

} // namespace

class PlainTextTest : public QObject {
    Q_OBJECT

private slots:
    void namesShowAsTyped_data();
    void namesShowAsTyped();
};

void PlainTextTest::namesShowAsTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("ampersand") << "Fish & Chips";
    QTest::newRow("tag-like") << "T-shirt <S> & socks";
    QTest::newRow("bold markup") << "Clothes <b>now</b>";
    QTest::newRow("brackets around an ampersand") << "a<b & c>d";
    QTest::newRow("entity") << "Fish &amp; Chips";
    QTest::newRow("arg markers") << "50%2 off %1";
}

void PlainTextTest::namesShowAsTyped() {
    QFETCH(QString, name);
    QVERIFY(shownInBox([&](QtUserPrompts& p) {
                p.message(name, QStringLiteral("Delete Item"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo,
                          UserPrompts::Answer::Yes);
            }).contains(name));
    QVERIFY(shownInBox([&](QtUserPrompts& p) {
                p.input(name + QLatin1Char(':'), QStringLiteral("Edit Price"), QString());
            }).contains(name));

    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.document().setListName(0, name);
    w.document().renameShop(1, name);
    f.fill(0, {{name, "1", true, "K0"}, {QStringLiteral("Tea"), "1", true, "K1"}});
    w.document().setPrice(QStringLiteral("K1"), 1, QStringLiteral("1.00"));
    ui.lists[0]->selectRow(0);
    ui.focusList(0);
    {
        MoveCopyDialog dialog(w.document(), 0, 0);
        QVERIFY(shown(dialog.question->text(), dialog.question->textFormat())
                    .contains(QStringLiteral("'%1' from list '%1'").arg(name)));
        QCOMPARE(dialog.targets->title().replace(QStringLiteral("&&"), QStringLiteral("&")),
                 QStringLiteral("Move '%1' to:").arg(name));
        QCOMPARE(shownText(dialog.target[0]->text()), QStringLiteral("1: %1").arg(name));
    }
    {
        const ItemEditor editor(w.document(), f.prompts, {}, {ItemEditor::Mode::Edit, QStringLiteral("K0"), name});
        QCOMPARE(editor.windowTitle(), QStringLiteral("Editing '%1'").arg(name));
    }

    ui.compare();
    const QString lines = shown(ui.cheapest->text(), ui.cheapest->textFormat());
    QVERIFY2(lines.contains(QStringLiteral("Cheapest: %1,").arg(name)), qPrintable(lines));
    QVERIFY2(lines.contains(QStringLiteral("missing: %1").arg(name)), qPrintable(lines));
    const QAbstractItemModel* table = ui.comparison->model();
    const QString tip = shown(table->index(table->rowCount() - 3, 1).data(Qt::ToolTipRole).toString());
    QCOMPARE(tip, QStringLiteral("%1 prices 1 of 2 shown items; missing: %1").arg(name));

    // The chart's legend names the shop; Qt Charts draws a legend's text as markup.
    w.document().setPrice(QStringLiteral("K0"), 1, QStringLiteral("2.00"));
    PriceHistoryDialog history(w.document(), QStringLiteral("K0"), name, {});
    QCOMPARE(history.windowTitle(), QStringLiteral("Price History of '%1'").arg(name));
    history.show();
    QVERIFY(QTest::qWaitForWindowExposed(&history));
    const auto* chart = history.findChild<QChartView*>();
    QVERIFY(chart);
    QStringList legend;
    for (const QGraphicsItem* item : chart->scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text && text->isVisible())
            legend << text->toPlainText();
    QVERIFY2(legend.contains(name), qPrintable(legend.join(QStringLiteral(" | "))));
}

QTEST_MAIN(PlainTextTest)
#include "plain_text_test.moc"
