// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers

// What this computer remembers survives a restart and stays out of the data file: the window's size and place
// (brought back onto a screen when it was off every one), the add-at-the-bottom choice, a comparison column's
// dragged width and the folder of the last CSV export.
#include "item_editor.h"
#include "local_settings.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QScreen>
#include <QTest>

namespace {

enum class Setting { Place, PlaceOffScreen, AddToBottom, ColumnWidth, CsvFolder };

// The add-at-the-bottom box as the item editor opens with it; `tick` ticks it and adds an item.
bool addToBottomBox(WindowFixture& f, bool tick) {
    bool ticked = false;
    f.window().setDialogRunner([&](QDialog& dialog) {
        auto& editor = static_cast<ItemEditor&>(dialog);
        ticked = editor.addToBottomBox->isChecked();
        editor.nameEdit->setText(QStringLiteral("Tea"));
        editor.addToBottomBox->setChecked(tick || ticked);
        tick ? editor.ok() : editor.reject();
    });
    controls(f.window()).add[0]->click();
    return ticked;
}

} // namespace

Q_DECLARE_METATYPE(Setting)

class LocalSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { LocalSettings::setFile({}); }
    void survivesRestartOutsideTheDataFile_data();
    void survivesRestartOutsideTheDataFile();
};

void LocalSettingsTest::survivesRestartOutsideTheDataFile_data() {
    QTest::addColumn<Setting>("setting");
    QTest::newRow("window's size and place") << Setting::Place;
    QTest::newRow("window off every screen") << Setting::PlaceOffScreen;
    QTest::newRow("add at the bottom") << Setting::AddToBottom;
    QTest::newRow("dragged column width") << Setting::ColumnWidth;
    QTest::newRow("CSV folder") << Setting::CsvFolder;
}

void LocalSettingsTest::survivesRestartOutsideTheDataFile() {
    QFETCH(Setting, setting);
    QTemporaryDir home;
    const QString settingsFile = home.filePath(QStringLiteral("Pantrova.conf"));
    LocalSettings::setFile(settingsFile);
    WindowFixture f;
    QVERIFY(QDir().mkdir(home.filePath(QStringLiteral("exports"))));
    const QPoint place = setting == Setting::PlaceOffScreen ? QPoint(-5000, -5000) : QPoint(30, 20);
    const QSize size = f.window().minimumSize() + QSize(20, 10);
    int width = 0;

    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    WindowControls ui(f.window());
    switch (setting) {
    case Setting::Place:
    case Setting::PlaceOffScreen:
        f.window().setGeometry(QRect(place, size));
        break;
    case Setting::AddToBottom:
        QVERIFY(!addToBottomBox(f, true));
        break;
    case Setting::ColumnWidth: {
        ui.tabs->setCurrentIndex(MainWindow::ComparisonTab);
        QHeaderView* header = ui.comparison->header();
        const QPoint divider(header->sectionViewportPosition(0) + header->sectionSize(0) - 1, header->height() / 2);
        width = header->sectionSize(0) + 60;
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, divider);
        QTest::mouseMove(header->viewport(), divider + QPoint(60, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, divider + QPoint(60, 0));
        QCOMPARE(header->sectionSize(0), width);
        break;
    }
    case Setting::CsvFolder:
        f.prompts.chooseFileNext(home.filePath(QStringLiteral("exports/lists.csv")));
        ui.exportCsv->trigger();
        break;
    }
    QVERIFY(f.window().save());
    f.start();
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    ui = WindowControls(f.window());

    switch (setting) {
    case Setting::Place:
        QCOMPARE(f.window().geometry(), QRect(place, size));
        break;
    case Setting::PlaceOffScreen:
        QVERIFY(f.window().screen()->availableGeometry().intersects(f.window().frameGeometry()));
        break;
    case Setting::AddToBottom:
        QVERIFY(addToBottomBox(f, false));
        break;
    case Setting::ColumnWidth:
        ui.tabs->setCurrentIndex(MainWindow::ComparisonTab);
        QCOMPARE(ui.comparison->header()->sectionSize(0), width);
        break;
    case Setting::CsvFolder:
        ui.importCsv->trigger();
        QCOMPARE(f.prompts.last().preset, home.filePath(QStringLiteral("exports/")));
        break;
    }
    QVERIFY(QFile::exists(settingsFile));
    QFile data(f.path(QStringLiteral("Pantrova.dat")));
    QVERIFY(data.open(QIODevice::ReadOnly));
    const QByteArray bytes = data.readAll();
    for (const char* remembered : {"Geometry", "Bottom", "Width", "Folder", "exports"})
        QVERIFY2(!bytes.contains(remembered), remembered);
}

QTEST_MAIN(LocalSettingsTest)
#include "local_settings_test.moc"
