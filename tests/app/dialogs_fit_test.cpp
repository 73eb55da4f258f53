// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Every dialog fits the screen it opens on, whatever the screen's size and scale (ctest runs this on screens of
// 1366 x 768 and 1600 x 1000 pixels at the scales 1, 1.5 and 2): its frame stands within the screen's available room
// and the buttons that close it can be seen there, and what does not fit scrolls. In English and in German, no text
// of a dialog is cut or covered, and a screen reader walking it meets every control it can reach by name. The main
// window's four tabs are checked the same way, in a test of their own.
#include "help.h"
#include "item_editor.h"
#include "move_copy.h"
#include "price_history.h"
#include "reader_walk.h"
#include "text_fit.h"
#include "translations.h"
#include "user_prompts.h"
#include "window_fixture.h"

#include <QDialogButtonBox>
#include <QScreen>
#include <QTest>

namespace {

QString shownRect(const QRect& r) {
    return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// What is wrong with a shown window: its frame outside the screen's available room, a button that closes it out of
// sight, and (with `texts`) text cut or covered.
QStringList misfits(QWidget& window, QList<QAbstractButton*> buttons, bool texts) {
    if (!QTest::qWaitForWindowExposed(&window))
        return {QStringLiteral("never shown")};
    QStringList problems;
    const QRect room = window.screen()->availableGeometry();
    if (!room.contains(window.frameGeometry()))
        problems << QStringLiteral("the frame %1 is not within the screen's %2")
                        .arg(shownRect(window.frameGeometry()), shownRect(room));
    if (const auto* box = window.findChild<QDialogButtonBox*>(); box && buttons.isEmpty())
        buttons = box->buttons();
    for (const QAbstractButton* button : buttons)
        if (const QRect at(button->mapToGlobal(QPoint(0, 0)), button->size());
            button->visibleRegion() != QRegion(button->rect()) || !room.contains(at))
            problems << QStringLiteral("%1 (%2) is out of sight").arg(button->text(), shownRect(at));
    if (texts)
        problems << cutOrCovered(window) << unreadable(window);
    return problems;
}

// Runs a real box non-modally and gives what is wrong with it.
struct BoxCheck {
    QStringList problems{QStringLiteral("no box shown")};
    DialogRunner runner() {
        return [this](QDialog& box) {
            box.show();
            problems = misfits(box, {}, true);
            box.reject();
        };
    }
};

// Passes when nothing is wrong, else names every problem (QVERIFY2 would cut a long list short).
bool allWell(const QStringList& problems) {
    for (const QString& problem : problems)
        qWarning().noquote() << problem;
    return problems.isEmpty();
}

} // namespace

class DialogsFitTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Translations::install(QLocale(QStringLiteral("en_GB"))); }
    void everyDialogFits_data();
    void everyDialogFits();
    void mainWindowTabs_data();
    void mainWindowTabs();
};

void DialogsFitTest::everyDialogFits_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("dialog");
    for (const char* language : {"en_GB", "de_DE"})
        for (const char* dialog :
             {"item editor adding", "item editor", "prices from the comparison", "move or copy", "history",
              "unit price history", "shortcuts", "about", "message box", "input box", "main window"})
            QTest::addRow("%s %s", language, dialog) << language << dialog;
}

void DialogsFitTest::everyDialogFits() {
    QFETCH(QString, language);
    QFETCH(QString, dialog);
    Translations::install(QLocale(language));
    WindowFixture f;
    MainWindow& w = f.window();
    Document& document = w.document();
    // An item with prices at three named shops: older prices, packs and an offer, so that every column has text.
    f.fill(0, {{QStringLiteral("Milk"), "1", true, "K0"}});
    for (const auto& [shop, name] : {std::pair(1, "MegaMart"), std::pair(2, "Corner Shop"), std::pair(3, "Farm Stall")})
        document.renameShop(shop, QString::fromLatin1(name));
    for (const QDate day : {QDate(2026, 1, 5), QDate(2026, 2, 11), QDate(2026, 3, 12)}) {
        document.today = [day] { return day; };
        for (int shop = 1; shop <= 3; ++shop)
            document.setPrice(QStringLiteral("K0"), shop, QString::number(shop + day.month() / 10.0, 'f', 2));
    }
    document.setPacks(QStringLiteral("K0"), {QStringLiteral("1 l"), QStringLiteral("6 x 330 ml")});
    document.setOffers(QStringLiteral("K0"), {Document::Offer{QDate(2026, 3, 31), QStringLiteral("1.49")}});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QStringList problems;
    using Mode = ItemEditor::Mode;
    const std::map<QString, Mode> editorModes{{QStringLiteral("item editor adding"), Mode::Add},
                                              {QStringLiteral("item editor"), Mode::Edit},
                                              {QStringLiteral("prices from the comparison"), Mode::EditPrices}};
    if (const auto mode = editorModes.find(dialog); mode != editorModes.end()) {
        ItemEditor editor(document, f.prompts, {}, {mode->second, QStringLiteral("K0"), QStringLiteral("Milk")}, &w);
        editor.show();
        problems = misfits(editor, {editor.okButton, editor.cancelButton}, true);
    } else if (dialog == QLatin1String("move or copy")) {
        MoveCopyDialog moveOrCopy(document, 0, 0, &w);
        moveOrCopy.show();
        problems = misfits(moveOrCopy, {moveOrCopy.okButton, moveOrCopy.cancelButton}, true);
    } else if (dialog.endsWith(QLatin1String("history"))) {
        PriceHistoryDialog history(document, QStringLiteral("K0"), QStringLiteral("Milk"), {}, &w);
        history.unitPricesBox->setChecked(dialog.startsWith(QLatin1String("unit")));
        history.show();
        problems = misfits(history, {}, true);
    } else if (dialog == QLatin1String("shortcuts")) {
        ShortcutsDialog shortcuts(ShortcutsDialog::gather(w, document, f.prompts), &w);
        shortcuts.show();
        problems = misfits(shortcuts, {}, true);
    } else if (dialog == QLatin1String("about")) {
        AboutDialog about(f.folder(), &w);
        about.show();
        problems = misfits(about, {}, true);
    } else if (dialog == QLatin1String("message box")) {
        // Taller than any screen: it scrolls, and Yes and No stay in view.
        QStringList lines{QStringLiteral("This file cannot be read, and nothing was changed. %1").arg(f.folder())};
        for (int line = 2; line <= 60; ++line)
            lines << QStringLiteral("Line %1: \"1,2,3\" is no price.").arg(line);
        BoxCheck box;
        QtUserPrompts(&w, box.runner())
            .message(lines.join(QLatin1Char('\n')), QStringLiteral("Import from CSV"), UserPrompts::Icon::Exclamation,
                     UserPrompts::Buttons::YesNo, UserPrompts::Answer::No);
        problems = box.problems;
    } else if (dialog == QLatin1String("input box")) {
        // The longest question the program asks: the pack size.
        BoxCheck box;
        QtUserPrompts prompts(&w, box.runner());
        ItemEditor editor(document, prompts, {}, {Mode::Edit, QStringLiteral("K0"), QStringLiteral("Milk")}, &w);
        editor.setPack();
        problems = box.problems;
    } else {
        // Its tabs' texts are checked by mainWindowTabs.
        problems = misfits(w, {}, false);
    }
    QVERIFY(allWell(problems));
}

void DialogsFitTest::mainWindowTabs_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en_GB";
    QTest::newRow("German") << "de_DE";
}

void DialogsFitTest::mainWindowTabs() {
    QFETCH(QString, language);
    Translations::install(QLocale(language));
    WindowFixture f;
    MainWindow& w = f.window();
    f.fill(0, {{QStringLiteral("Milk"), "1", true, "K0"}});
    w.document().setPrice(QStringLiteral("K0"), 1, QStringLiteral("1.29"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const WindowControls ui(w);
    QStringList problems;
    for (int tab = 0; tab < ui.tabs->count(); ++tab) {
        ui.tabs->setCurrentIndex(tab);
        for (const QString& problem : cutOrCovered(w) + unreadable(w))
            problems << ui.tabs->tabText(tab) + QStringLiteral(": ") + problem;
    }
    QVERIFY(allWell(problems));
}

QTEST_MAIN(DialogsFitTest)
#include "dialogs_fit_test.moc"
