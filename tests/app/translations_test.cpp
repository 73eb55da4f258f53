// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Every shipped language: the program's and Qt's own texts load, and no two controls of the main window or of a
// dialog share an access key, nor two entries of one menu.
#include "item_editor.h"
#include "move_copy.h"
#include "translations.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

namespace {

// The access keys of the widget's controls (and, for the main window, its menu titles), with the texts that
// claim each one.
QMultiMap<QString, QString> accessKeys(const QWidget* window) {
    QMultiMap<QString, QString> keys;
    const auto add = [&keys](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys.insert(key.toString(), text);
    };
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            add(label->text());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        add(button->text());
    for (const QGroupBox* box : window->findChildren<QGroupBox*>())
        add(box->title());
    for (const QMenu* menu : window->findChildren<QMenu*>())
        add(menu->title());
    return keys;
}

QString clashes(const QMultiMap<QString, QString>& keys) {
    QStringList found;
    for (const QString& key : keys.uniqueKeys())
        if (keys.count(key) > 1)
            found << key + QStringLiteral(": ") + QStringList(keys.values(key)).join(QStringLiteral(", "));
    return found.join(QStringLiteral("; "));
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Translations::install(QLocale(QStringLiteral("en_GB"))); }
    void everyShippedLanguage_data();
    void everyShippedLanguage();
};

void TranslationsTest::everyShippedLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("listsTab");
    QTest::addColumn<QString>("yesButton"); // Qt's own text, from Qt's translations
    QTest::newRow("English") << "en_GB"
                             << "Lists"
                             << "&Yes";
    QTest::newRow("German") << "de_DE"
                            << "Listen"
                            << "&Ja";
}

void TranslationsTest::everyShippedLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, listsTab);
    QFETCH(QString, yesButton);
    Translations::install(QLocale(language));
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    QCOMPARE(ui.tabs->tabText(MainWindow::ListsTab), listsTab);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yesButton);

    const QString windowClashes = clashes(accessKeys(&w));
    QVERIFY2(windowClashes.isEmpty(), qPrintable(windowClashes));
    for (const QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        QMultiMap<QString, QString> entries;
        for (const QAction* action : menu->actions())
            if (const QKeySequence key = QKeySequence::mnemonic(action->text()); !key.isEmpty())
                entries.insert(key.toString(), action->text());
        QVERIFY2(clashes(entries).isEmpty(), qPrintable(clashes(entries)));
    }

    f.fill(0, {{"Milk", "1", true, "K0"}});
    ui.lists[0]->selectRow(0);
    ui.focusList(0);
    const ItemEditor editor(w.document(), f.prompts, {}, {});
    const MoveCopyDialog moveOrCopy(w.document(), 0, 0);
    for (const QWidget* dialog : {static_cast<const QWidget*>(&editor), static_cast<const QWidget*>(&moveOrCopy)}) {
        const QString dialogClashes = clashes(accessKeys(dialog));
        QVERIFY2(dialogClashes.isEmpty(), qPrintable(dialogClashes));
    }
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
