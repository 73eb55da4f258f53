#include "window_fixture.h"

#include "data_files.h"
#include "store_layout.h"

#include <QFile>
#include <QTest>

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

WindowFixture::~WindowFixture() {
    if (m_window)
        m_window->ExitWithoutSaving = true;
}

frmLists& WindowFixture::start() {
    if (m_window) {
        m_window->ExitWithoutSaving = true;
        m_window.reset();
    }
    m_window = std::make_unique<frmLists>(m_dir.path(), &prompts);
    return *m_window;
}

void WindowFixture::fill(int list, const QList<Row>& rows) {
    Document& document = m_window->document();
    for (const Row& row : rows)
        document.insertItem(list, document.itemCount(list), Item{row.key, row.name, row.quantity, row.ticked});
    m_window->RefreshSelectAll(list);
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
