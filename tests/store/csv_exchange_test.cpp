// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Lists to CSV and back: a round trip into empty lists gives back the lists, items, quantities, ticks and prices,
// and one into the same lists changes nothing; files as spreadsheet programs write them read as meant; a file
// that cannot be read as such a CSV changes nothing and says which line is wrong.
#include "csv_exchange.h"
#include "english_plurals.h"
#include "money.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Weekly: Milk (ticked, 2) priced at Market and Deli, "Tea, green" with a quote in its name; Party: Crisps.
// Market is shop 1, Deli shop 3.
void fill(Document& document) {
    document.setListName(0, "Weekly");
    document.setListName(2, "Party");
    document.renameShop(1, "Market");
    document.renameShop(3, "Deli");
    document.insertItem(0, 0, {"K0", "Milk", "2", true});
    document.insertItem(0, 1, {"K1", "Tea, \"green\"\nloose", "", false});
    document.insertItem(2, 0, {"K2", "Crisps", "", false});
    document.setPrice("K0", 1, "1,234.50");
    document.setPrice("K0", 3, "0.90");
    document.setPrice("K2", 3, "2.00");
}

// Each list's items with their prices and packs by shop name.
QStringList contents(const Document& document) {
    QStringList lines;
    for (int l = 0; l < Document::ListCount; ++l)
        for (const Item& item : document.items(l)) {
            QString line = QStringLiteral("%1/%2/%3/%4")
                               .arg(document.listName(l), item.name, item.quantity, item.ticked ? "ticked" : "-");
            for (int shop = 1; shop <= Document::ShopCount; ++shop)
                if (document.prices(item.key).has(shop))
                    line += QStringLiteral(" %1=%2 %3")
                                .arg(document.shopName(shop), document.prices(item.key).texts[shop - 1],
                                     document.prices(item.key).packs[shop - 1]);
            lines << line;
        }
    return lines;
}

} // namespace

class CsvExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installEnglishPlurals(); }
    void roundTripIntoEmptyLists();
    void packsRoundTrip_data();
    void packsRoundTrip();
    void awkwardNamesRoundTrip_data();
    void awkwardNamesRoundTrip();
    void spreadsheetFiles_data();
    void spreadsheetFiles();
    void updatesWhatTheListsHold();
    void unreadableFilesChangeNothing_data();
    void unreadableFilesChangeNothing();
    void stoppingChangesNothing_data();
    void stoppingChangesNothing();
};

void CsvExchangeTest::roundTripIntoEmptyLists() {
    Document original;
    fill(original);
    const QByteArray csv = Csv::exportLists(original);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF\"List\",\"Item\",\"Quantity\",\"Ticked\",\"Market\",\"Deli\"\r\n"));

    Document empty;
    empty.setListName(0, "Weekly");
    empty.setListName(2, "Party");
    const Csv::Import import = Csv::read(csv, empty, 1);
    QCOMPARE(import.error, QString());
    Csv::apply(import, empty);
    QCOMPARE(contents(empty), contents(original));
    QCOMPARE(empty.shopName(2), QStringLiteral("Deli")); // the first shop without a name

    // As in the lists, a ticked item has a quantity and an unticked one none.
    const Csv::Import ticks =
        Csv::read("List,Item,Quantity,Ticked\nWeekly,Bread,,True\nWeekly,Jam,3,False\n", empty, 0);
    QCOMPARE(ticks.items.at(0).quantity, QStringLiteral("1"));
    QCOMPARE(ticks.items.at(1).quantity, QString());

    // A price is taken as the editor takes a typed one: in single precision, the smallest price included.
    const Csv::Import precise = Csv::read(
        "List,Item,Quantity,Ticked,Market\nWeekly,Gold,,False,12345678.91\nWeekly,Salt,,False,0.01\n", empty, 0);
    QCOMPARE(precise.error, QString());
    QCOMPARE(*precise.items.at(0).prices[0], Money::formatPrice(12345678.91f));
    QCOMPARE(*precise.items.at(1).prices[0], QStringLiteral("0.01"));
}

void CsvExchangeTest::packsRoundTrip_data() {
    QTest::addColumn<QStringList>("packs"); // "item key, shop, pack as stored"
    QTest::addColumn<QByteArray>("shopColumns");
    QTest::newRow("no packs: the columns of a file before packs") << QStringList{} << QByteArray("\"Market\",\"Deli\"");
    QTest::newRow("a pack at one shop") << QStringList{"K0 3 6 x 330 ml"}
                                        << QByteArray("\"Market\",\"Deli\",\"Deli (pack)\"");
    QTest::newRow("packs at two shops") << QStringList{"K0 1 1.5 l", "K2 3 12 Stk."}
                                        << QByteArray("\"Market\",\"Market (pack)\",\"Deli\",\"Deli (pack)\"");
}

void CsvExchangeTest::packsRoundTrip() {
    QFETCH(QStringList, packs);
    QFETCH(QByteArray, shopColumns);
    Document original;
    fill(original);
    for (const QString& pack : packs) {
        std::array<std::optional<QString>, Document::ShopCount> changes;
        changes[pack.section(u' ', 1, 1).toInt() - 1] = pack.section(u' ', 2);
        original.setPacks(pack.section(u' ', 0, 0), changes);
    }
    const QByteArray csv = Csv::exportLists(original);
    QCOMPARE(csv.left(csv.indexOf("\r\n")), "\xEF\xBB\xBF\"List\",\"Item\",\"Quantity\",\"Ticked\"," + shopColumns);
    Document empty;
    empty.setListName(0, "Weekly");
    empty.setListName(2, "Party");
    const Csv::Import import = Csv::read(csv, empty, 1);
    QCOMPARE(import.error, QString());
    Csv::apply(import, empty);
    QCOMPARE(contents(empty), contents(original));
}

void CsvExchangeTest::awkwardNamesRoundTrip_data() {
    QTest::addColumn<QString>("name"); // of a list and two of its items
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("accents") << "Crème brûlée" << QByteArray("\"Crème brûlée\"");
    QTest::newRow("emoji") << "🥛 Milch" << QByteArray("\"🥛 Milch\"");
    QTest::newRow("quotes") << "Tea \"green\"" << QByteArray("\"Tea \"\"green\"\"\"");
    QTest::newRow("separators and a line break") << "a,b;c\td\r\ne" << QByteArray("\"a,b;c\td\r\ne\"");
    QTest::newRow("a formula") << "=1+1" << QByteArray("\"'=1+1\"");
    QTest::newRow("an at sign") << "@home" << QByteArray("\"'@home\"");
    QTest::newRow("a minus") << "-5" << QByteArray("\"'-5\"");
    QTest::newRow("a plus") << "+44 Tea" << QByteArray("\"'+44 Tea\"");
    QTest::newRow("a leading tab") << "\tTab" << QByteArray("\"'\tTab\"");
    QTest::newRow("a leading apostrophe") << "'s Brot" << QByteArray("\"''s Brot\"");
}

void CsvExchangeTest::awkwardNamesRoundTrip() {
    QFETCH(QString, name);
    QFETCH(QByteArray, written);
    Document original;
    fill(original);
    original.setListName(1, name);
    original.insertItem(1, 0, {"K7", name, "999", true});
    original.insertItem(1, 1, {"K8", name, "", false}); // the same name twice
    original.setPrice("K7", 1, "3.00");
    original.setPrice("K8", 1, "4.00");
    original.setPacks("K8", {QStringLiteral("500 g")});
    const QByteArray csv = Csv::exportLists(original);
    QVERIFY(csv.contains("\r\n" + written + "," + written + ",\"999\""));

    Document empty;
    Csv::Import import = Csv::read(csv, empty, 3);
    QCOMPARE(import.error, QString());
    QVERIFY(Csv::apply(import, empty));
    QCOMPARE(contents(empty), contents(original));

    // Every row is an update that changes nothing, and the prices keep their day.
    original.today = [] { return QDate(2030, 1, 1); };
    const quint64 revision = original.revision();
    import = Csv::read(csv, original, 3);
    QCOMPARE(import.error, QString());
    QCOMPARE(import.unchanged, 5);
    QVERIFY(!import.changes());
    QVERIFY(Csv::apply(import, original)->edits.empty());
    QCOMPARE(original.revision(), revision);
}

void CsvExchangeTest::spreadsheetFiles_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("contents"); // of lists named Weekly
    QTest::newRow("LibreOffice in German: semicolons, decimal commas, WAHR and FALSCH")
        << QByteArray("List;Item;Quantity;Ticked;Market\r\nWeekly;Milk;2;WAHR;1,25\r\nWeekly;Bread;;FALSCH;1.234,5\r\n")
        << QStringList{"Weekly/Milk/2/ticked Market=1.25 ", "Weekly/Bread//- Market=1,234.50 "};
    QTest::newRow("tabs, an empty field and a point")
        << QByteArray("List\tItem\tQuantity\tTicked\tMarket\nWeekly\tMilk\t\tTRUE\t0,99\nWeekly\tJam\t3\tfalse\t2.5\n")
        << QStringList{"Weekly/Milk/1/ticked Market=0.99 ", "Weekly/Jam//- Market=2.50 "};
    QTest::newRow("quoted, a separator in a shop's name")
        << QByteArray(
               "\"List\";\"Item\";\"Quantity\";\"Ticked\";\"Shop, Inc.\"\n\"Weekly\";\"Tea\";\"\";\"Wahr\";\"2,5\"\n")
        << QStringList{"Weekly/Tea/1/ticked Shop, Inc.=2.50 "};
    QTest::newRow("byte-order mark, CRLF and a line break in a quoted field")
        << QByteArray("\xEF\xBB\xBFList,Item,Quantity,Ticked,Market\r\nWeekly,\"Tea\r\nloose\",4,x,\"1,234.50\"\r\n")
        << QStringList{"Weekly/Tea\r\nloose/4/ticked Market=1,234.50 "};
    QTest::newRow("true and false in French, Spanish, Italian and Dutch")
        << QByteArray(
               "List;Item;Quantity;Ticked\nWeekly;A;;VRAI\nWeekly;B;;faux\nWeekly;C;;Verdadero\nWeekly;D;;FALSO\n"
               "Weekly;E;;vero\nWeekly;F;;WAAR\nWeekly;G;;onwaar\nWeekly;H;;1\nWeekly;I;;0\nWeekly;J;;\n")
        << QStringList{"Weekly/A/1/ticked", "Weekly/B//-", "Weekly/C/1/ticked", "Weekly/D//-", "Weekly/E/1/ticked",
                       "Weekly/F/1/ticked", "Weekly/G//-", "Weekly/H/1/ticked", "Weekly/I//-", "Weekly/J//-"};
}

void CsvExchangeTest::spreadsheetFiles() {
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, contents);
    Document document;
    document.setListName(0, "Weekly");
    document.renameShop(1, "Market");
    const Csv::Import import = Csv::read(csv, document, 0);
    QCOMPARE(import.error, QString());
    Csv::apply(import, document);
    QCOMPARE(::contents(document), contents);
}

// A row of an item the list holds updates it: a changed price is dated today and the old one goes to the history,
// an unchanged one keeps its day, an empty one stays. The user is told what will change first.
void CsvExchangeTest::updatesWhatTheListsHold() {
    Document document;
    document.today = [] { return QDate(2026, 3, 1); };
    fill(document);
    document.today = [] { return QDate(2026, 4, 1); };
    const QByteArray csv = "List,Item,Quantity,Ticked,Market,Deli,Corner\n"
                           "Weekly,MILK,3,True,1.50,0.90,\n"
                           "Weekly,Bread,,False,,,2.00\n"
                           "Camping,Tent,,True,,,\n"
                           "Party,Crisps,,False,,,\n";
    const Csv::Import import = Csv::read(csv, document, 0);
    QCOMPARE(import.error, QString());
    QCOMPARE(Csv::summary(import), "1 item updated, 2 added, 1 unchanged, 1 price changed, 1 shop named.\n"
                                   "The rows of the list \"Camping\" go to list 2, which takes that name.");
    Csv::apply(import, document);
    QCOMPARE(contents(document),
             (QStringList{"Weekly/Milk/3/ticked Market=1.50  Deli=0.90 ", "Weekly/Tea, \"green\"\nloose//-",
                          "Weekly/Bread//- Corner=2.00 ", "Camping/Tent/1/ticked", "Party/Crisps//- Deli=2.00 "}));
    QCOMPARE(document.store().ReadValue("History:K0_1") + ' ' + document.store().ReadValue("Dated:K0_1"),
             "2026-03-01=1,234.50 2026-04-01");
    QCOMPARE(document.store().ReadValue("Dated:K0_3"), "2026-03-01");

    // With no list free, the rows of a new list name go to the current list.
    for (int l = 1; l < Document::ListCount; ++l)
        document.setListName(l, QStringLiteral("List %1").arg(l));
    QCOMPARE(Csv::summary(Csv::read("List,Item,Quantity,Ticked\nCamping,Tent,,True\n", document, 3)),
             "1 item added.\nNo list is free for the list \"Camping\": its rows go to list 4, the current list.");
}

void CsvExchangeTest::unreadableFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error");
    const QByteArray header = "List,Item,Quantity,Ticked,Market\r\n";
    QTest::newRow("wrong header") << QByteArray("Item,List,Quantity,Ticked\n")
                                  << "Line 1: the header must start with List,Item,Quantity,Ticked.";
    QTest::newRow("empty") << QByteArray()
                           << "Line 1: the file is empty; its first line must be the header "
                              "List,Item,Quantity,Ticked.";
    QTest::newRow("bad quoting") << header + "Weekly,\"Milk\"x,1,True,1.00\r\n"
                                 << "Line 2: error parsing data while strict checking enabled.";
    QTest::newRow("open quote at the end") << header + "Weekly,\"Milk,1,True,1.00\r\n"
                                           << "Line 2: error parsing data while strict checking enabled.";
    QTest::newRow("price no number") << header + "Weekly,Milk,1,True,1.00\r\nWeekly,Tea,,False,cheap\r\n"
                                     << "Line 3: the price \"cheap\" at Market is not a number of 0.01 or more.";
    QTest::newRow("price below the smallest")
        << header + "Weekly,Milk,1,True,0.009\r\n"
        << "Line 2: the price \"0.009\" at Market is not a number of 0.01 or more.";
    QTest::newRow("pack no pack")
        << QByteArray("List,Item,Quantity,Ticked,Market,Market (pack)\r\nWeekly,Milk,1,True,1.00,1.5 l\r\n"
                      "Weekly,Tea,,False,1.00,\"1,5 l\"\r\n")
        << "Line 3: the pack \"1,5 l\" at Market is not a pack such as 500 g, 1.5 l, 6 x 330 ml, 12 pcs.";
    QTest::newRow("two pack columns") << QByteArray("List,Item,Quantity,Ticked,Market,Market (pack),Market (pack)\n")
                                      << "Line 1: the packs at \"Market\" have two columns.";
    QTest::newRow("fields missing") << header + "Weekly,Milk,1\r\n"
                                    << "Line 2: 3 fields where the header has 5.";
    QTest::newRow("tick") << header + "Weekly,Milk,1,maybe,\r\n"
                          << "Line 2: \"maybe\" in the Ticked column is neither true nor false.";
    QTest::newRow("no name") << header + "Weekly,,1,True,\r\n"
                             << "Line 2: the item has no name.";
    for (const char* quantity : {"0", "-3", "0.5", "5000", "some"})
        QTest::addRow("ticked with the quantity %s", quantity)
            << header + "Weekly,Milk," + quantity + ",True,\r\n"
            << QStringLiteral("Line 2: the quantity \"%1\" of a ticked item is not a whole number from 1 to 999.")
                   .arg(quantity);
    QTest::newRow("UTF-16") << QByteArray(QStringEncoder(QStringEncoder::Utf16LE)
                                              .encode(u"List,Item,Quantity,Ticked\r\nWeekly,Milk,1,True\r\n"))
                            << "Line 1: the text is not UTF-8; save the file as CSV in UTF-8.";
    QByteArray shops = "List,Item,Quantity,Ticked";
    for (int s = 1; s <= 21; ++s)
        shops += ",S" + QByteArray::number(s);
    QTest::newRow("21 shops") << shops + "\n"
                              << "Line 1: there are more than 20 shops.";
    QTest::newRow("a shop twice") << QByteArray("List,Item,Quantity,Ticked,Market,Market\n")
                                  << "Line 1: the shop \"Market\" has two columns.";
    QTest::newRow("header after blank lines")
        << QByteArray("\r\n\nList,Item,Quantity\n") << "Line 3: the header must start with List,Item,Quantity,Ticked.";
    QTest::newRow("quote left open") << header + "Weekly,Milk,1,True,1.00\r\nWeekly,\"Tea\n,1\n"
                                     << "Line 3: error parsing data while strict checking enabled.";
    QTest::newRow("not UTF-8") << header + "Weekly,M\xfcller,1,True,\r\n"
                               << "Line 2: the text is not UTF-8; save the file as CSV in UTF-8.";
    // Shop 2 has prices though no name: a new shop takes neither it nor a named one.
    QByteArray full = "List,Item,Quantity,Ticked";
    for (int s = 1; s <= 18; ++s)
        full += ",New " + QByteArray::number(s);
    QTest::newRow("no shop left") << full + "\n"
                                  << "Line 1: there is no shop left for \"New 18\"; every shop has a name or prices.";
    QTest::newRow("more rows than an import takes")
        << header + QByteArray("Weekly,Milk,,,\r\n").repeated(Csv::RowLimit + 1)
        << "The file has 50,001 rows of items; an import takes up to 50,000. Please split it into smaller files.";
    QTest::newRow("larger than an import takes")
        << header + QByteArray(Csv::SizeLimit, ' ')
        << "The file is 20.1 MB; an import takes files of up to 20 MB. Please split it into smaller files.";
}

void CsvExchangeTest::unreadableFilesChangeNothing() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    Document document;
    fill(document);
    document.setPrice("K2", 2, "1.00");
    const Csv::Import import = Csv::read(csv, document, 0);
    QCOMPARE(import.error, error);
    QVERIFY(import.items.empty() && import.newShops.empty());
    // The same from the file, whose size is checked before it is read.
    QTemporaryDir dir;
    QFile file(dir.filePath("import.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size());
    file.close();
    QCOMPARE(Csv::readFile(file.fileName(), document, 0).error, error);
}

void CsvExchangeTest::stoppingChangesNothing_data() {
    QTest::addColumn<bool>("whileAdding");
    QTest::addColumn<double>("at"); // how much is done when progress says stop
    QTest::newRow("reading") << false << 0.5;
    QTest::newRow("adding, before the first item") << true << 0.0;
    QTest::newRow("adding, half way") << true << 0.5;
    QTest::newRow("adding, after the last item") << true << 1.0;
}

void CsvExchangeTest::stoppingChangesNothing() {
    QFETCH(bool, whileAdding);
    QFETCH(double, at);
    Document document;
    fill(document);
    const QStringList before = contents(document);
    const quint64 revision = document.revision();
    const QByteArray csv =
        "List,Item,Quantity,Ticked,Market,New\r\n" + QByteArray("Weekly,Tea,2,True,1.00,2.00\r\n").repeated(2000);
    bool adding = false;
    const Csv::Progress progress = [&](double done) { return adding != whileAdding || done < at; };
    const Csv::Import import = Csv::read(csv, document, 0, progress);
    QCOMPARE(import.stopped, !whileAdding);
    adding = true;
    if (whileAdding)
        QVERIFY(!Csv::apply(import, document, progress));
    QCOMPARE(contents(document), before);
    QCOMPARE(document.shopName(2), QString());
    QCOMPARE(document.revision(), revision);
}

QTEST_GUILESS_MAIN(CsvExchangeTest)
#include "csv_exchange_test.moc"
