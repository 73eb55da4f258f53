// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "window_fixture.h"

#include "data_files.h"
#include "store_layout.h"
#include "translations.h"

#include <QFile>
#include <QTest>

// As the program does at start: the texts of the test's language, which for English are its plural forms.
static void installTranslations() {
    Translations::install(QLocale());
}
Q_COREAPP_STARTUP_FUNCTION(installTranslations)

WindowFixture::WindowFixture(Files files) {
    if (files == Files::WithProgramFiles) {
        const QString bin = qEnvironmentVariable("PANTROVA_BIN_DIR");
        for (const char* name : {"libvarnetocx.so", "Pantrova Template.htm"})
            QVERIFY2(QFile::copy(bin + QLatin1Char('/') + QLatin1String(name), m_dir.filePath(QLatin1String(name))),
                     name);
    }
    // A file as a first save leaves it: every shop slot present and empty, four empty lists.
    QMap<QString, QString> values{{QStringLiteral("NextKey"), QStringLiteral("0")}};
    for (int shop = 1; shop <= Store::ShopCount; ++shop)
        values.insert(Store::shopNameKey(shop), QString());
    for (int list = 0; list < Store::ListCount; ++list) {
        values.insert(Store::listCountKey(list), QStringLiteral("0"));
        values.insert(Store::listNameKey(list), QString());
    }
    writeFile(m_dir.filePath(QStringLiteral("Pantrova.dat")), dataFileBytes(values));
    start();
}

namespace {

template <typename T> T* named(MainWindow& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("The main window has no %s called %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

template <typename T> std::array<T*, 4> findEach(MainWindow& window, const QString& name) {
    std::array<T*, 4> found{};
    for (int l = 0; l < 4; ++l)
        found[l] = named<T>(window, name + QString::number(l));
    return found;
}

} // namespace

WindowControls::WindowControls(MainWindow& window)
    : tabs(named<QTabWidget>(window, QStringLiteral("tabs")))
    , listNames(findEach<QLineEdit>(window, QStringLiteral("listName")))
    , lists(findEach<ListView>(window, QStringLiteral("list")))
    , tickAll(findEach<QCheckBox>(window, QStringLiteral("tickAll")))
    , add(findEach<QPushButton>(window, QStringLiteral("add")))
    , edit(findEach<QPushButton>(window, QStringLiteral("edit")))
    , up(findEach<QPushButton>(window, QStringLiteral("up")))
    , down(findEach<QPushButton>(window, QStringLiteral("down")))
    , more(findEach<QPushButton>(window, QStringLiteral("more")))
    , fewer(findEach<QPushButton>(window, QStringLiteral("fewer")))
    , shops(named<QTreeView>(window, QStringLiteral("shops")))
    , show{named<QRadioButton>(window, QStringLiteral("showTicked")),
           named<QRadioButton>(window, QStringLiteral("showAll")),
           named<QRadioButton>(window, QStringLiteral("showUnitPrices"))}
    , comparison(named<QTreeView>(window, QStringLiteral("comparison")))
    , editPrices(named<QPushButton>(window, QStringLiteral("editPrices")))
    , cheapest(named<QLabel>(window, QStringLiteral("cheapest")))
    , page(named<QTextBrowser>(window, QStringLiteral("page")))
    , print(named<QPushButton>(window, QStringLiteral("print")))
    , findBar(named<FindBar>(window, QStringLiteral("findBar")))
    , save(named<QAction>(window, QStringLiteral("save")))
    , exportCsv(named<QAction>(window, QStringLiteral("exportCsv")))
    , importCsv(named<QAction>(window, QStringLiteral("importCsv")))
    , exitWithoutSaving(named<QAction>(window, QStringLiteral("exitWithoutSaving")))
    , exit(named<QAction>(window, QStringLiteral("exit")))
    , undo(named<QAction>(window, QStringLiteral("undo")))
    , redo(named<QAction>(window, QStringLiteral("redo")))
    , find(named<QAction>(window, QStringLiteral("find")))
    , moveOrCopy(named<QAction>(window, QStringLiteral("moveOrCopy")))
    , currencySymbol(named<QAction>(window, QStringLiteral("currencySymbol")))
    , oldPrices(named<QAction>(window, QStringLiteral("oldPrices"))) {}

void WindowControls::clickShop(int shop) const {
    emit shops->clicked(shops->model()->index(shop - 1, 0));
}

void WindowControls::compare() const {
    (*std::find_if(show.begin(), show.end(), [](const QRadioButton* option) { return option->isChecked(); }))->click();
}

void WindowControls::showPage() const {
    tabs->setCurrentIndex(MainWindow::ListsTab);
    tabs->setCurrentIndex(MainWindow::PreviewTab);
}

WindowFixture::~WindowFixture() {
    if (m_window)
        controls(*m_window).exitWithoutSaving->trigger();
}

MainWindow& WindowFixture::start() {
    if (m_window) {
        controls(*m_window).exitWithoutSaving->trigger();
        m_window.reset();
    }
    m_window = std::make_unique<MainWindow>(m_dir.path(), &prompts);
    return *m_window;
}

void WindowFixture::fill(int list, const QList<Row>& rows) {
    Document& document = m_window->document();
    for (const Row& row : rows)
        document.insertItem(list, document.itemCount(list), Item{row.key, row.name, row.quantity, row.ticked});
    showTicks(*m_window, list);
}

void showTicks(MainWindow& window, int list) {
    const std::vector<Item>& items = window.document().items(list);
    const auto ticked = std::count_if(items.begin(), items.end(), [](const Item& item) { return item.ticked; });
    if (!items.empty())
        controls(window).tickAll[list]->setCheckState(ticked == 0                   ? Qt::Unchecked
                                                      : ticked == std::ssize(items) ? Qt::Checked
                                                                                    : Qt::PartiallyChecked);
}

QList<Row> WindowFixture::rows(int list) const {
    QList<Row> result;
    const Document& document = m_window->document();
    for (int row = 0; row < document.itemCount(list); ++row) {
        const Item& item = document.item(list, row);
        result.append({item.name, item.quantity, item.ticked, item.key});
    }
    return result;
}

QStringList WindowFixture::names(int list) const {
    QStringList result;
    for (const Row& row : rows(list))
        result << row.name;
    return result;
}

bool operator==(const Row& a, const Row& b) {
    return a.name == b.name && a.quantity == b.quantity && a.ticked == b.ticked && a.key == b.key;
}

char* toString(const Row& row) {
    return QTest::toString(
        QStringLiteral("%1 [%2] %3 %4")
            .arg(row.name, row.quantity, row.ticked ? QStringLiteral("ticked") : QStringLiteral("-"), row.key));
}
