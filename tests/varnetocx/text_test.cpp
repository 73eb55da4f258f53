// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The text conversions through Varnet's own methods, so that what each one writes back into its argument is
// checked along with its result.
#include "varnet.h"

#include <QElapsedTimer>
#include <QTest>

class TextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("VARNET_A", "alpha");
        qputenv("VARNET_C", "gamma");
        qputenv("VARNET_FOO", "%VARNET_BAR%");
        qputenv("VARNET_BAR", "bar");
        qunsetenv("VARNET_NOPE");
    }

    void conversions_data() {
        QTest::addColumn<QByteArray>("method"); // "PT2HTML+BRs" calls PT2HTML with CreateBRs true
        QTest::addColumn<QString>("input");
        QTest::addColumn<QVariant>("result");
        const auto row = [](const char* name, const char* method, const QString& input, const QVariant& result) {
            QTest::newRow(name) << QByteArray(method) << input << result;
        };
        row("1 blank", "PT2HTML", "a b", "a b");
        row("2 blanks", "PT2HTML", "a  b", "a&nbsp; b");
        row("3 blanks", "PT2HTML", "a   b", "a&nbsp;&nbsp; b");
        row("4 blanks", "PT2HTML", "a    b", "a&nbsp; &nbsp; b");
        row("5 blanks", "PT2HTML", "a     b", "a&nbsp; &nbsp;&nbsp; b");
        row("6 blanks", "PT2HTML", "a      b", "a&nbsp; &nbsp; &nbsp; b");
        row("markup, tab, CR LF", "PT2HTML+BRs", "a<b & c>d\tx\r\ny", "a&lt;b &amp; c&gt;d&nbsp; &nbsp; x<br>\r\ny");
        row("entities escaped once", "PT2HTML", "&lt;\"", "&amp;lt;&quot;");
        row("CR LF without BRs", "PT2HTML", "x\r\ny", "x\r\ny");
        row("lone CR and LF", "PT2HTML+BRs", "a\rb\nc\n\r", "a\rb\nc\n\r");
        row("non-ASCII", "PT2HTML", "£ é 日本", "£ é 日本");
        row("empty", "PT2HTML+BRs", "", "");
        row("both BR spellings", "HTML2PT", "a<BR>b<br>c", "a\r\nb\r\nc");
        row("entity decoded twice", "HTML2PT", "&amp;lt;b&gt;&quot;&nbsp;", "<b>\" ");
        row("other spellings stay", "HTML2PT", "<Br><br/>&AMP;&NBSP;<p>", "<Br><br/>&AMP;&NBSP;<p>");
        // Not an inverse of PT2HTML: each CR LF comes back doubled and a tab as four blanks.
        row("after PT2HTML", "HTML2PT", "x&nbsp; &nbsp; y<br>\r\nz", "x    y\r\n\r\nz");
        const char* names[] = {"Black",  "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal", "Grey",
                               "Silver", "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};
        const int values[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
                              12632256, 255,      0x00FF00, 0x00FFFF, 16711680, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
        for (int i = 0; i < 16; ++i) {
            row(names[i], "ColConv", names[i], values[i]);
        }
        for (const char* other : {"black", "silver", "Gray", "", " Red"}) {
            row(qPrintable(QStringLiteral("not a colour: '%1'").arg(other)), "ColConv", other, QVariant());
        }
        row("two references", "Env2Str", "%VARNET_A% b%VARNET_C%x", "alpha bgammax");
        row("blank in name", "Env2Str", "% a%", "% a%");
        row("unset disappears", "Env2Str", "[%VARNET_NOPE%]", "[]");
        row("single sign", "Env2Str", "100% sure", "100% sure");
        row("blank keeps pair apart", "Env2Str", "50% and 20%VARNET_A%", "50% and 20alpha");
        row("value brings a reference", "Env2Str", "%VARNET_FOO% %VARNET_BAR%", "bar bar");
        row("only later references expand a value", "Env2Str", "%VARNET_BAR% %VARNET_FOO%", "bar %VARNET_BAR%");
        row("replacement is case-sensitive", "Env2Str", "%VARNET_A% %varnet_a%", "alpha ");
        row("empty name is unset", "Env2Str", "a%%b", "ab");
        // Each reference replaces its "%NAME%" throughout the text so far, also where the input pairs the signs
        // otherwise.
        row("empty name takes signs of a later pair", "Env2Str", "%%a%VARNET_A%%b", "a%VARNET_Ab");
        row("pass meets signs of a later pair", "Env2Str", "%VARNET_A%%VARNET_NOPE%VARNET_A%",
            "alpha%VARNET_NOPEalpha");
    }
    void conversions() {
        QFETCH(QByteArray, method);
        QFETCH(QString, input);
        QFETCH(QVariant, result);
        Varnet varnet;
        QString argument = input;
        bool createBRs = method.endsWith("+BRs");
        const QVariant answer = method.startsWith("PT2HTML") ? varnet.PT2HTML(argument, createBRs)
                                : method == "HTML2PT"        ? varnet.HTML2PT(argument)
                                : method == "ColConv"        ? varnet.ColConv(argument)
                                                             : varnet.Env2Str(argument);
        QCOMPARE(answer, result);
        // Only the two HTML conversions write their result back.
        QCOMPARE(argument, method.contains("HTML") ? result.toString() : input);
    }

    // A conversion that rescans the text per reference or per replacement takes many seconds on these.
    void longTexts_data() {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("piece"); // the text is `copies` pieces
        QTest::addColumn<QString>("converted");
        QTest::addColumn<int>("copies");
        QTest::newRow("Env2Str") << QByteArray("Env2Str") << "%VARNET_A%x"
                                 << "alphax" << 100'000;
        QTest::newRow("value brings a reference") << QByteArray("Env2Str") << "%VARNET_FOO% %VARNET_BAR% "
                                                  << "bar bar " << 50'000;
        QTest::newRow("PT2HTML") << QByteArray("PT2HTML") << "a  <b>&\"\t\r\n"
                                 << "a&nbsp; &lt;b&gt;&amp;&quot;&nbsp; &nbsp; <br>\r\n"
                                 << 1'000'000;
    }
    void longTexts() {
        QFETCH(QByteArray, method);
        QFETCH(QString, piece);
        QFETCH(QString, converted);
        QFETCH(int, copies);
        Varnet varnet;
        QString text = piece.repeated(copies);
        bool createBRs = true;
        QElapsedTimer timer;
        timer.start();
        const QString answer =
            (method == "Env2Str" ? varnet.Env2Str(text) : varnet.PT2HTML(text, createBRs)).toString();
        QCOMPARE_LT(timer.elapsed(), 3000);
        QCOMPARE(answer.size(), converted.size() * copies);
        for (qsizetype at = 0; at < answer.size(); at += converted.size()) {
            QCOMPARE(QStringView(answer).sliced(at, converted.size()), QStringView(converted));
        }
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "text_test.moc"
