// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Names are shown exactly as typed wherever they appear: in message and input boxes, the Move or Copy dialog and
// the comparison's lines and tooltips, however much they look like markup or like arg() markers.
#include "move_copy.h"
#include "text_fit.h"
#include "user_prompts.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDialog>
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
    }

    ui.compare();
    const QString lines = shown(ui.cheapest->text(), ui.cheapest->textFormat());
    QVERIFY2(lines.contains(QStringLiteral("Cheapest: %1,").arg(name)), qPrintable(lines));
    QVERIFY2(lines.contains(QStringLiteral("missing: %1").arg(name)), qPrintable(lines));
    const QAbstractItemModel* table = ui.comparison->model();
    const QString tip = shown(table->index(table->rowCount() - 3, 1).data(Qt::ToolTipRole).toString());
    QCOMPARE(tip, QStringLiteral("%1 prices 1 of 2 shown items; missing: %1").arg(name));
}

QTEST_MAIN(PlainTextTest)
#include "plain_text_test.moc"
