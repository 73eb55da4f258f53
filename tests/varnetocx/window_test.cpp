// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// TopMost on a stand-in window whose placement call is recorded, ShellAndWait with real programs, and icons.
#include "platform.h"
#include "varnet.h"
#include "window_helpers.h"

#include <QPixmap>
#include <QStyle>
#include <QTemporaryFile>
#include <QTest>
#include <QWidget>

#include <malloc.h>

// The members TopMost and ShellAndWait use, in twips. Move takes float, so TopMost must convert its arguments.
class FakeWindow : public QObject {
    Q_OBJECT
    Q_PROPERTY(double Left MEMBER left)
    Q_PROPERTY(double Top MEMBER top)
    Q_PROPERTY(double Width MEMBER width)
    Q_PROPERTY(double Height MEMBER height)
    Q_PROPERTY(qulonglong hWnd MEMBER handle)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)

public:
    double left = 1000, top = 1500, width = 4500.5, height = 2977.5;
    qulonglong handle = 4242;
    QList<bool> visibleWrites;

    bool visible() const { return visibleWrites.isEmpty() || visibleWrites.last(); }
    void setVisible(bool value) { visibleWrites.append(value); }
    Q_INVOKABLE void Move(float l, float t, float w, float h) { left = l, top = t, width = w, height = h; }
};

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void topMost() {
        QList<QList<qlonglong>> calls;
        const auto previous = varnetocx::platform::setWindowPos;
        varnetocx::platform::setWindowPos = [&](quintptr w, int z, int x, int y, int cx, int cy, unsigned flags) {
            calls.append({qlonglong(w), z, x, y, cx, cy, flags});
        };
        FakeWindow window;
        Varnet varnet;
        for (bool onTop : {true, false}) {
            QCOMPARE(varnet.TopMost(&window, onTop), QVariant());
            // The window ends exactly where it was, whatever the pixel rounding (198.5 to 198) did.
            QCOMPARE(QList<double>({window.left, window.top, window.width, window.height}),
                     QList<double>({1000, 1500, 4500.5, 2977.5}));
        }
        varnetocx::platform::setWindowPos = previous;
        QCOMPARE(calls,
                 QList<QList<qlonglong>>({{4242, -1, 67, 100, 300, 198, 0x50}, {4242, -2, 67, 100, 300, 198, 0x50}}));
    }

    void topMostOnQtWindow() {
        QWidget widget;
        widget.show();
        FakeWindow window;
        window.handle = widget.winId();
        Varnet varnet;
        for (bool onTop : {true, false}) {
            QVERIFY(!isVarnetError(varnet.TopMost(&window, onTop)));
            QCOMPARE(widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QVERIFY(widget.isVisible());
        }
    }

    void badWindowObjects() {
        Varnet varnet;
        QObject notAWindow;
        bool onTop = true;
        QString program = "true";
        QCOMPARE(varnetError(varnet.TopMost(nullptr, onTop)).number, 91);
        QCOMPARE(varnetError(varnet.TopMost(&notAWindow, onTop)).number, 438);
        QCOMPARE(varnetError(varnet.ShellAndWait(&notAWindow, program)).number, 438);
    }

    void shellAndWait_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("starts");
        QTest::newRow("ends at once") << "true" << true;
        QTest::newRow("quoted arguments") << "sh -c 'exit 3'" << true;
        QTest::newRow("missing program") << "/nonexistent/varnet-program --x" << false;
        QTest::newRow("empty command line") << "" << false;
        QTest::newRow("unclosed quote") << "sh -c 'exit 7" << false;
    }
    void shellAndWait() {
        QFETCH(QString, commandLine);
        QFETCH(bool, starts);
        FakeWindow window;
        Varnet varnet;
        const QVariant result = varnet.ShellAndWait(&window, commandLine);
        QCOMPARE(isVarnetError(result), !starts);
        QCOMPARE(varnetError(result).number, starts ? 0 : -2147221204);
        QCOMPARE(varnetError(result).description, starts ? QString() : QString("Error starting task"));
        // Hidden while the program runs; untouched when it never started.
        QCOMPARE(window.visibleWrites, starts ? QList<bool>({false, true}) : QList<bool>());
    }

    void splitCommandLine_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QStringList>("words"); // {"-"}: the line is refused
        QTest::newRow("single quotes") << "sh -c 'exit 7'" << QStringList{"sh", "-c", "exit 7"};
        QTest::newRow("double quotes") << "a \"b \\\"c\\\" \\$x \\n 'd'\"" << QStringList{"a", "b \"c\" $x \\n 'd'"};
        QTest::newRow("backslashes, joined lines") << "a\\ b c\\\\d \\'e\t\tf\\\ng \\\n"
                                                   << QStringList{"a b", "c\\d", "'e", "fg"};
        QTest::newRow("empty words, joined quotes") << "x '' \"\" a'b c'\"d\"e" << QStringList{"x", "", "", "ab cde"};
        QTest::newRow("no shell features") << "echo $HOME | wc>f" << QStringList{"echo", "$HOME", "|", "wc>f"};
        QTest::newRow("unclosed double quote") << "a \"b\\\"" << QStringList{"-"};
    }
    void splitCommandLine() {
        QFETCH(QString, commandLine);
        QFETCH(QStringList, words);
        QCOMPARE(varnetocx::splitCommandLine(commandLine).value_or(QStringList{"-"}), words);
    }

    void iconsKeepMemoryFlat() {
        QTemporaryFile file;
        QVERIFY(file.open());
        QString name = file.fileName();
        Varnet varnet;
        qint64 before = 0;
        for (int i = 0; i < 10'100; ++i) {
            before = i == 100 ? qint64(mallinfo2().uordblks) : before; // once the first calls have filled the caches
            QVERIFY((i % 2 ? varnet.GetSmallIcon(name) : varnet.GetBigIcon(name)).isValid());
        }
        QCOMPARE_LT(qint64(mallinfo2().uordblks) - before, 250'000); // a leak of 235 bytes a call gives 2.35 MB
    }

    void iconsAtTheStyleSizes() {
        QTemporaryFile file;
        QVERIFY(file.open());
        QString name = file.fileName(), missing = name + ".missing";
        Varnet varnet;
        const int small = varnet.GetSmallIcon(name).value<QPixmap>().width();
        const int big = varnet.GetBigIcon(name).value<QPixmap>().width();
        QCOMPARE(small, qApp->style()->pixelMetric(QStyle::PM_SmallIconSize));
        QCOMPARE(big, qApp->style()->pixelMetric(QStyle::PM_LargeIconSize));
        QVERIFY(small < big);
        QCOMPARE(varnet.GetBigIcon(missing), QVariant());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
