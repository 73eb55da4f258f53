// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The printable page: the merge of the template, the item lines, what reaches the page file, the messages
// for a missing template or library, and printing to a PDF file.
#include "data_files.h"
#include "printable.h"
#include "varnet_host.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

namespace {

// Builds the page file as the Print Preview tab does, without the tab.
void buildPage(WindowFixture& f) {
    ComparisonEngine engine;
    const VarnetHost varnet(f.folder());
    const PageBuilder::Built built = PageBuilder::build(f.window().document(), engine, varnet,
                                                        f.folder() + QLatin1Char('/'), f.path(Store::DataFileName));
    QVERIFY2(built.error.isEmpty(), qPrintable(built.error));
}

} // namespace

class PrintableTest : public QObject {
    Q_OBJECT

private slots:
    void itemLines_data();
    void itemLines();
    void mergeReplacesOnlyTemplatePlaceholders();
    void encodingKeepsEveryCharacter();
    void pageFromTheLists();
    void userTextNeverBecomesMarkup();
    void pageIsRewrittenEachTime();
    void templateInAnotherCodePage();
    void pageInTheUsersLanguage_data();
    void pageInTheUsersLanguage();
    void pageKeepsTheDataFilePermissions_data();
    void pageKeepsTheDataFilePermissions();
    void missingTemplateIsReported();
    void specialFilesAreReportedAtOnce_data();
    void specialFilesAreReportedAtOnce();
    void missingLibraryIsReported();
    void printsToPdf();
};

void PrintableTest::itemLines_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("line");
    QTest::newRow("two") << "2"
                         << "<br>Milk<i> x 2</i>";
    QTest::newRow("one") << "1"
                         << "<br>Milk";
    QTest::newRow("zero") << "0"
                          << "<br>Milk";
    QTest::newRow("one and a half") << "1.5"
                                    << "<br>Milk<i> x 1.5</i>";
    QTest::newRow("not a number") << "abc"
                                  << "<br>Milk";
}

void PrintableTest::itemLines() {
    QFETCH(QString, quantity);
    QFETCH(QString, line);
    QCOMPARE(Printable::itemLine(QStringLiteral("Milk"), quantity), line);
}

void PrintableTest::mergeReplacesOnlyTemplatePlaceholders() {
    Printable::Content content;
    content.listTitles = {"Weekly", "%bestshop%", "%ListTitle1%", "%bestprice"};
    content.listContents[0] = QStringLiteral("<br>Milk");
    content.bestShop = QStringLiteral("Corner %currencysymbol%");
    content.currencySymbol = QStringLiteral("£");
    content.bestPrice = QStringLiteral("1,234.50");
    QCOMPARE(Printable::merge(QStringLiteral("%ListTitle1%:%ListContents1%|%ListTitle2%|%ListTitle3%|%ListTitle4%"
                                             "|%bestshop%|%currencysymbol%%bestprice%|%ListContents4%|100% %x%"),
                              content),
             QStringLiteral("Weekly:<br>Milk|%bestshop%|%ListTitle1%|%bestprice|Corner %currencysymbol%|£1,234.50|"
                            "|100% %x%"));
    QCOMPARE(Printable::merge(QString(), content), QString());
    QCOMPARE(Printable::merge(QStringLiteral("<p>No placeholder</p>"), content),
             QStringLiteral("<p>No placeholder</p>"));
    QCOMPARE(Printable::merge(QStringLiteral("%bestprice%%bestprice%"), content), QStringLiteral("1,234.501,234.50"));
}

void PrintableTest::encodingKeepsEveryCharacter() {
    const QString text = QStringLiteral("Caf\u00e9 \u20ac5 \U0001F34E");
    QCOMPARE(Printable::decode(Printable::encode(text)), text);
    // A lone surrogate is no character of any code page: it comes out as a character reference.
    QString broken = QStringLiteral("a");
    broken += QChar(0xD800);
    QCOMPARE(Printable::encode(broken), QByteArray("a&#65533;"));
}

void PrintableTest::pageFromTheLists() {
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    const WindowControls ui(w);
    writeFile(f.path("Pantrova Template.htm"),
              "[%ListTitle1%]%ListContents1%[%ListTitle2%]%ListContents2%[%ListTitle3%]%ListContents3%"
              "[%ListTitle4%]%ListContents4%|%bestshop%|%currencysymbol%|%bestprice%");
    w.document().setListName(0, QStringLiteral("Weekly"));
    w.document().setListName(2, QStringLiteral("Party"));
    w.document().renameShop(3, QStringLiteral("Market"));
    f.fill(0, {{"Milk", "2", true, "K0"}, {"Bread", "1", true, "K1"}, {"Jam", "", false, "K2"}});
    f.fill(2, {{"Crisps", "", false, "K3"}});
    w.document().setPrice(QStringLiteral("K0"), 3, QStringLiteral("617.25"));
    w.document().setPrice(QStringLiteral("K1"), 3, QStringLiteral("0.00"));
    ui.show[1]->setChecked(true);

    ui.tabs->setCurrentIndex(MainWindow::PreviewTab);
    QVERIFY(ui.show[0]->isChecked());
    QCOMPARE(readFile(f.path("Pantrova.htm")),
             QByteArray("[Weekly]<br>Milk<i> x 2</i><br>Bread[][Party][]|Market|\xc2\xa3|1,234.50"));
    QCOMPARE(ui.page->source(), QUrl::fromLocalFile(f.path("Pantrova.htm")));
    QVERIFY(ui.print->isVisibleTo(&w));
    // The page compares the ticked items whatever the comparison tab shows, and leaves that tab's choice alone.
    ui.show[1]->setChecked(true);
    buildPage(f);
    QVERIFY(readFile(f.path("Pantrova.htm")).endsWith("|Market|\xc2\xa3|1,234.50"));
    QVERIFY(ui.show[1]->isChecked());

    f.fill(0, {{"Unpriced", "1", true, "K4"}});
    w.document().setPrice(QStringLiteral("K0"), 3, QStringLiteral("0"));
    buildPage(f);
    QVERIFY(readFile(f.path("Pantrova.htm")).endsWith("|(None)|\xc2\xa3|0.00"));
    QVERIFY(f.prompts.shown.isEmpty());
}

void PrintableTest::userTextNeverBecomesMarkup() {
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    writeFile(f.path("Pantrova Template.htm"), "<h2>%ListTitle1%</h2>%ListContents1%<p>%bestshop%</p>");
    w.document().setListName(0, QStringLiteral("<script>alert(\"x\")</script>"));
    w.document().renameShop(1, QStringLiteral("Tom & Jerry's"));
    f.fill(0, {{"Fish  &\tChips %ListTitle1%", "1", true, "K0"}, {QStringLiteral("Bell\x07"), "3", true, "K1"}});
    w.document().setPrice(QStringLiteral("K0"), 1, QStringLiteral("1.00"));
    controls(w).showPage();
    const QByteArray page = readFile(f.path("Pantrova.htm"));
    QCOMPARE(page, QByteArray("<h2>&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;</h2>"
                              "<br>Fish&nbsp; &amp;&nbsp; &nbsp; Chips %ListTitle1%<br>Bell\x07<i> x 3</i>"
                              "<p>Tom &amp; Jerry's</p>"));
}

void PrintableTest::pageIsRewrittenEachTime() {
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    const WindowControls ui(w);
    writeFile(f.path("Pantrova.htm"), QByteArray(100000, 'x'));
    writeFile(f.path("Pantrova Template.htm"), "<p>%ListTitle1%</p>");
    w.document().setListName(0, QStringLiteral("First"));
    ui.tabs->setCurrentIndex(MainWindow::PreviewTab);
    QCOMPARE(readFile(f.path("Pantrova.htm")), QByteArray("<p>First</p>"));
    QVERIFY(ui.page->toPlainText().contains(QStringLiteral("First")));
    ui.tabs->setCurrentIndex(MainWindow::ListsTab);
    w.document().setListName(0, QStringLiteral("Second"));
    ui.tabs->setCurrentIndex(MainWindow::PreviewTab);
    QCOMPARE(readFile(f.path("Pantrova.htm")), QByteArray("<p>Second</p>"));
    QVERIFY(ui.page->toPlainText().contains(QStringLiteral("Second")));
    // The template's bytes reach the page unchanged, a leading byte-order mark included.
    writeFile(f.path("Pantrova Template.htm"), "\xef\xbb\xbf<p>%ListTitle1%</p>");
    ui.showPage();
    QCOMPARE(readFile(f.path("Pantrova.htm")), QByteArray("\xef\xbb\xbf<p>Second</p>"));

    // The shipped template holds every placeholder.
    const QByteArray shipped = readFile(qEnvironmentVariable("PANTROVA_BIN_DIR") + "/Pantrova Template.htm");
    for (const char* placeholder : {"%ListTitle1%", "%ListTitle2%", "%ListTitle3%", "%ListTitle4%", "%ListContents1%",
                                    "%ListContents2%", "%ListContents3%", "%ListContents4%", "%bestshop%",
                                    "%currencysymbol%", "%bestprice%", "%coverage%", "%splittrip%"})
        QVERIFY2(shipped.contains(placeholder), placeholder);
}

void PrintableTest::templateInAnotherCodePage() {
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    const WindowControls ui(w);
    // Latin-1: the "£" is the byte 0xA3, which is no UTF-8. The merged texts go in as ASCII.
    writeFile(f.path("Pantrova Template.htm"),
              "<meta charset=\"iso-8859-1\"><p>\xa3 %ListTitle1% %currencysymbol%</p>");
    w.document().setListName(0, QStringLiteral("Caf\u00e9 \u20ac"));
    ui.showPage();
    QCOMPARE(readFile(f.path("Pantrova.htm")),
             QByteArray("<meta charset=\"iso-8859-1\"><p>\xa3 Caf&#233; &#8364; &#163;</p>"));
    QVERIFY(ui.page->toPlainText().contains(QStringLiteral("\u00a3 Caf\u00e9 \u20ac \u00a3")));
}

void PrintableTest::pageInTheUsersLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("title");    // in the English template beside the program: changed unless shipped
    QTest::addColumn<bool>("germanTemplate"); // the shipped German template beside it too
    QTest::addColumn<QString>("pageTitle");
    QTest::newRow("German") << "de_DE" << QByteArray("Shopping list") << true << "Einkaufsliste";
    QTest::newRow("German, English template changed") << "de_DE" << QByteArray("Groceries") << true << "Groceries";
    QTest::newRow("English") << "en_GB" << QByteArray("Shopping list") << true << "Shopping list";
    QTest::newRow("German, no German template") << "de_DE" << QByteArray("Shopping list") << false << "Shopping list";
}

void PrintableTest::pageInTheUsersLanguage() {
    QFETCH(QString, locale);
    QFETCH(QByteArray, title);
    QFETCH(bool, germanTemplate);
    QFETCH(QString, pageTitle);
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    writeFile(f.path("Pantrova Template.htm"),
              readFile(f.path("Pantrova Template.htm")).replace("Shopping list", title));
    const QString german = qEnvironmentVariable("PANTROVA_BIN_DIR") + QStringLiteral("/Pantrova Template.de.htm");
    QVERIFY(!germanTemplate || QFile::copy(german, f.path("Pantrova Template.de.htm")));
    f.window().document().setListName(0, QStringLiteral("Tom & Jerry's"));
    const auto restoreLocale = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(locale));
    buildPage(f);
    // Whichever template is used, the lists go in escaped and no placeholder is left.
    const QString page = QString::fromUtf8(readFile(f.path("Pantrova.htm")));
    QVERIFY2(page.contains(QStringLiteral("<title>%1</title>").arg(pageTitle)) &&
                 page.contains(QStringLiteral("<h2>Tom &amp; Jerry's</h2>")) &&
                 !page.contains(QRegularExpression(QStringLiteral("%\\w+%"))),
             qPrintable(page));
}

void PrintableTest::pageKeepsTheDataFilePermissions_data() {
    QTest::addColumn<int>("dataFile"); // its mode, or -1 for none
    QTest::addColumn<int>("page");
    QTest::newRow("private data file") << 0600 << 0600;
    QTest::newRow("data file shared with the group") << 0640 << 0640;
    QTest::newRow("no data file") << -1 << 0644; // as the file mode creation mask 022 leaves a new file
}

void PrintableTest::pageKeepsTheDataFilePermissions() {
    QFETCH(int, dataFile);
    QFETCH(int, page);
    const auto restoreMask = qScopeGuard([mask = umask(022)] { umask(mask); });
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    const QString data = f.path("Pantrova.dat");
    QVERIFY(dataFile < 0 ? QFile::remove(data) : chmod(QFile::encodeName(data).constData(), mode_t(dataFile)) == 0);
    controls(f.window()).showPage();
    struct stat status {};
    QCOMPARE(stat(QFile::encodeName(f.path("Pantrova.htm")).constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 0777), page);
}

void PrintableTest::missingTemplateIsReported() {
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    QVERIFY(QFile::remove(f.path("Pantrova Template.htm")));
    controls(w).tabs->setCurrentIndex(MainWindow::PreviewTab);
    QCOMPARE(f.prompts.shown.size(), 1);
    QCOMPARE(f.prompts.last().title, QStringLiteral("Pantrova Error"));
    QCOMPARE(f.prompts.last().icon, UserPrompts::Icon::Critical);
    QCOMPARE(f.prompts.last().text,
             QStringLiteral("The template file '") + f.path("Pantrova Template.htm") +
                 QStringLiteral("' could not be found. Try reinstalling the program or downloading the template from "
                                "https://pantrova.org/template."));
    QVERIFY(!QFile::exists(f.path("Pantrova.htm")));
}

void PrintableTest::specialFilesAreReportedAtOnce_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("template far too large") << "Pantrova Template.htm"
                                            << "larger than";
    QTest::newRow("a pipe named like the page") << "Pantrova.htm"
                                                << "not a regular file";
}

void PrintableTest::specialFilesAreReportedAtOnce() {
    QFETCH(QString, file);
    QFETCH(QString, reason);
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    if (file == QLatin1String("Pantrova.htm")) {
        // Opening it to write would wait for a reader.
        QCOMPARE(mkfifo(QFile::encodeName(f.path(file)).constData(), 0600), 0);
    } else {
        QFile sparse(f.path(file)); // takes no room on disk
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(Printable::TemplateLimit + 1));
    }
    controls(f.window()).tabs->setCurrentIndex(MainWindow::PreviewTab);
    QCOMPARE(f.prompts.shown.size(), 1);
    QVERIFY2(f.prompts.last().text.contains(reason), qPrintable(f.prompts.last().text));
    QVERIFY(!QFileInfo(f.path("Pantrova.htm")).isFile());
}

void PrintableTest::missingLibraryIsReported() {
    WindowFixture f; // no library beside the program
    MainWindow& w = f.window();
    const WindowControls ui(w);
    ui.tabs->setCurrentIndex(MainWindow::PreviewTab);
    QCOMPARE(f.prompts.shown.size(), 1);
    QVERIFY2(f.prompts.last().text.contains(QStringLiteral("libvarnetocx.so")), qPrintable(f.prompts.last().text));
    QVERIFY(!QFile::exists(f.path("Pantrova.htm")));
    // Everything else keeps working.
    ui.tabs->setCurrentIndex(MainWindow::ComparisonTab);
    QCOMPARE(ui.comparison->model()->rowCount(), 11);
}

void PrintableTest::printsToPdf() {
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.document().setListName(0, QStringLiteral("Weekly"));
    f.fill(0, {{"Milk", "2", true, "K0"}});
    const QString pdf = f.path("list.pdf");
    w.setDialogRunner([&](QDialog& dialog) {
        // The user presses Print having chosen a PDF file.
        dialog.accept();
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
    });
    ui.print->click();
    QCOMPARE(ui.tabs->currentIndex(), int(MainWindow::PreviewTab));
    QVERIFY(readFile(pdf).startsWith("%PDF"));

    QFile::remove(pdf);
    w.setDialogRunner([](QDialog& dialog) { dialog.reject(); });
    ui.print->click();
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(PrintableTest)
#include "printable_test.moc"
