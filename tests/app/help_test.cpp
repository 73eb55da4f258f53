// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers

// The Help menu and the usual keys: the shortcuts dialog lists every action's shortcut and every access key
// once, in each shipped language; each key reaches its command from anywhere in the window; About Pantrova
// names the version and the licence and opens the data folder.
#include "help.h"
#include "translations.h"
#include "window_fixture.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class HelpTest : public QObject {
    Q_OBJECT

public slots:
    void open(const QUrl& url) { m_opened = url; }

private slots:
    void cleanup() { Translations::install(QLocale(QStringLiteral("en_GB"))); }
    void shortcutsListEveryKeyOnce_data();
    void shortcutsListEveryKeyOnce();
    void keysWorkFromAnywhere_data();
    void keysWorkFromAnywhere();
    void aboutNamesVersionLicenceAndFolder();

private:
    QUrl m_opened;
};

void HelpTest::shortcutsListEveryKeyOnce_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en_GB";
    QTest::newRow("German") << "de_DE";
}

void HelpTest::shortcutsListEveryKeyOnce() {
    QFETCH(QString, language);
    Translations::install(QLocale(language));
    WindowFixture f;
    MainWindow& w = f.window();
    QList<ShortcutsDialog::Section> sections;
    w.setDialogRunner([&](QDialog& dialog) {
        auto* shortcuts = qobject_cast<ShortcutsDialog*>(&dialog);
        QVERIFY(shortcuts);
        sections = shortcuts->sections();
        QCOMPARE(shortcuts->keyList->topLevelItemCount(), sections.size());
    });
    w.findChild<QAction*>(QStringLiteral("keyboardShortcuts"))->trigger();
    QCOMPARE(sections.size(), 5);

    for (const ShortcutsDialog::Section& section : sections) {
        QMultiMap<QString, QString> commands;
        for (const ShortcutsDialog::Key& key : section.keys)
            if (!key.withinControl)
                commands.insert(key.keys, key.command);
        for (const QString& key : commands.uniqueKeys())
            QVERIFY2(commands.count(key) == 1,
                     qPrintable(section.title + QStringLiteral(": ") + key + QStringLiteral(" does ") +
                                QStringList(commands.values(key)).join(QStringLiteral(", "))));
    }
    // Every action's every shortcut, named by its menu entry.
    for (const QAction* action : w.findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts()) {
            const QString keys = key.toString(QKeySequence::NativeText);
            const auto listed = std::find_if(sections[0].keys.begin(), sections[0].keys.end(),
                                             [&](const ShortcutsDialog::Key& k) { return k.keys == keys; });
            QVERIFY2(listed != sections[0].keys.end(), qPrintable(keys));
            QVERIFY2(listed->command.endsWith(QString(action->text()).remove(QLatin1Char('&'))),
                     qPrintable(listed->command));
        }
}

void HelpTest::keysWorkFromAnywhere_data() {
    QTest::addColumn<int>("startTab");
    QTest::addColumn<QString>("focus"); // the control that has the focus
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("tab");        // the tab in front afterwards
    QTest::addColumn<QString>("dialog"); // the class of the dialog opened, if any
    const int ctrl = Qt::ControlModifier;
    const int lists = MainWindow::ListsTab, shops = MainWindow::ShopsTab, comparison = MainWindow::ComparisonTab,
              preview = MainWindow::PreviewTab;
    QTest::newRow("Ctrl+P on the Lists tab prints the page")
        << lists << "list" << int(Qt::Key_P) << ctrl << preview << "QPrintDialog";
    QTest::newRow("Ctrl+P on the Shops tab") << shops << "shops" << int(Qt::Key_P) << ctrl << preview << "QPrintDialog";
    QTest::newRow("Ctrl+Tab in a list") << lists << "list" << int(Qt::Key_Tab) << ctrl << shops << "";
    QTest::newRow("Ctrl+Shift+Tab turns round")
        << lists << "list" << int(Qt::Key_Tab) << int(ctrl | Qt::ShiftModifier) << preview << "";
    QTest::newRow("Ctrl+Tab in the find bar") << comparison << "find" << int(Qt::Key_Tab) << ctrl << preview << "";
    QTest::newRow("F1 in the comparison")
        << comparison << "comparison" << int(Qt::Key_F1) << 0 << comparison << "ShortcutsDialog";
}

void HelpTest::keysWorkFromAnywhere() {
    QFETCH(int, startTab);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, tab);
    QFETCH(QString, dialog);
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "1", true, "K0"}});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ui.tabs->setCurrentIndex(startTab);
    const QMap<QString, QWidget*> controls{{QStringLiteral("list"), ui.lists[0]},
                                           {QStringLiteral("shops"), ui.shops},
                                           {QStringLiteral("find"), ui.findBar->txtFind},
                                           {QStringLiteral("comparison"), ui.comparison}};
    QWidget* target = controls.value(focus);
    if (focus == QLatin1String("find"))
        ui.find->trigger();
    target->setFocus();
    QString opened;
    w.setDialogRunner([&](QDialog& shown) { opened = QString::fromLatin1(shown.metaObject()->className()); });
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ui.tabs->currentIndex(), tab);
    QCOMPARE(opened, dialog);
    if (tab == MainWindow::PreviewTab)
        QVERIFY(ui.page->toPlainText().contains(QStringLiteral("Milk")));
}

void HelpTest::aboutNamesVersionLicenceAndFolder() {
    WindowFixture f;
    MainWindow& w = f.window();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
    QString texts;
    w.setDialogRunner([&](QDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts += label->text() + QLatin1Char('\n');
        texts += dialog.findChild<QPlainTextEdit*>(QStringLiteral("licenceText"))->toPlainText();
        dialog.findChild<QPushButton*>(QStringLiteral("openDataFolder"))->click();
    });
    w.findChild<QAction*>(QStringLiteral("about"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(texts.contains(QStringLiteral("Pantrova ") + Help::version()));
    QVERIFY(texts.contains(QStringLiteral("version 3 or (at your choice) any later version")));
    QVERIFY(texts.contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
    QVERIFY(texts.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    QVERIFY(texts.contains(QDir::toNativeSeparators(f.folder())));
    QCOMPARE(QDir(m_opened.toLocalFile()), QDir(f.folder()));
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
