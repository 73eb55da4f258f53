// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// File, folder and mount-point queries and INI key removal on a temporary tree, through Varnet's methods.
#include "file_queries.h"
#include "ini_file.h"
#include "platform.h"
#include "varnet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <chrono>
#include <future>

class FilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder; // m_dir/sub, holding the file "name.txt" and the folder "inner"
    QString m_file;

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

private slots:
    void initTestCase() {
        m_folder = QDir(m_dir.path()).absoluteFilePath("sub");
        m_file = m_folder + "/name.txt";
        QVERIFY(QDir().mkpath(m_folder + "/inner"));
        write(m_file, "x");
        QVERIFY(QFile::link(m_file, m_folder + "/link.txt"));
    }

    void existence() {
        Varnet varnet;
        const QList<std::tuple<QString, bool, bool>> cases{{m_file, true, false},
                                                           {m_folder + "/link.txt", true, false},
                                                           {m_folder, false, true},
                                                           {m_folder + "/none", false, false},
                                                           {"", false, false}};
        for (auto [path, isFile, isFolder] : cases) {
            QCOMPARE(varnet.FExists(path), QVariant(isFile));
            QCOMPARE(varnet.DirExists(path), QVariant(isFolder));
        }
    }

    void shortForms() {
        Varnet varnet;
        QString file = m_file, dotted = m_folder + "/inner/../name.txt", folder = m_folder + "/", root = "/";
        QCOMPARE(varnet.ShortFileLocation(file), QVariant(m_folder));
        QCOMPARE(varnet.ShortFile(file), QVariant("name.txt"));
        QCOMPARE(varnet.ShortPath(dotted), QVariant(m_file));
        QCOMPARE(varnet.ShortFolder(folder), QVariant(m_folder));
        QCOMPARE(varnet.ShortFolder(root), QVariant("/"));
        // Only a root keeps its separator, however short another folder's path is.
        QCOMPARE(varnetocx::joinShortPath("/", "f"), QString("/f"));
        QCOMPARE(varnetocx::joinShortPath("/ab", "f"), QString("/ab/f"));
    }

    void missingFilesAndFoldersFail() {
        using Method = QVariant (Varnet::*)(QString&);
        const QList<Method> fileMethods{&Varnet::ShortFileLocation, &Varnet::ShortFile,    &Varnet::ShortPath,
                                        &Varnet::FileCreated,       &Varnet::FileAccessed, &Varnet::FileModified};
        const QList<Method> folderMethods{&Varnet::ShortFolder, &Varnet::FolderCreated};
        Varnet varnet;
        for (bool onFolders : {false, true}) {
            const int number = onFolders ? 76 : 53;
            for (Method method : onFolders ? folderMethods : fileMethods) {
                QString right = onFolders ? m_folder : m_file;
                QVERIFY(!isVarnetError((varnet.*method)(right)));
                // A missing path, an empty one and one of the other kind all fail.
                for (QString path : {m_folder + "/none", QString(), onFolders ? m_file : m_folder}) {
                    QCOMPARE(varnetError((varnet.*method)(path)).number, number);
                }
            }
        }
        QString missing = m_folder + "/none";
        QCOMPARE(varnetError(varnet.ShortFile(missing)).description, QString("File not found"));
        QCOMPARE(varnetError(varnet.ShortFolder(missing)).description, QString("Path not found"));
    }

    void timeStamps() {
        const QDateTime modified(QDate(2021, 3, 4), QTime(5, 6, 7)), accessed(QDate(2022, 8, 9), QTime(10, 11));
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        QVERIFY(file.setFileTime(accessed, QFileDevice::FileAccessTime));
        file.close();
        Varnet varnet;
        QString path = m_file, folder = m_folder;
        QCOMPARE(varnet.FileModified(path).toDateTime(), modified);
        QCOMPARE(varnet.FileModified(path).toDateTime().timeSpec(), Qt::LocalTime);
        QCOMPARE(varnet.FileAccessed(path).toDateTime(), accessed);
        QVERIFY(varnet.FileCreated(path).toDateTime() <= QDateTime::currentDateTime());
        QVERIFY(varnet.FolderCreated(folder).toDateTime().isValid());
    }

    void mountPoints() {
        const auto previous = varnetocx::platform::mountedVolumes;
        varnetocx::platform::mountedVolumes = [] {
            return QList<varnetocx::platform::Volume>{{"/", true}, {"/media/cd", false}};
        };
        Varnet varnet;
        QList<int> states;
        for (QString path : {"/", "/media/cd/", "/media/cd/dir", "/media/usb", ""}) {
            states.append(varnet.DExists(path).toInt());
        }
        varnetocx::platform::mountedVolumes = previous;
        QCOMPARE(states, QList<int>({2, 1, 0, 0, 0}));
        QString root = "/";
        QCOMPARE(varnet.DExists(root), QVariant(2)); // through QStorageInfo
    }

    void dotsAboveTheRoot_data() {
        QTest::addColumn<QString>("current"); // the current folder during the call
        QTest::addColumn<QString>("path");
        QTest::newRow("relative, above /") << "/"
                                           << "../.." + m_file;
        QTest::newRow("absolute, above /") << m_folder << "/../.." + m_file;
        QTest::newRow("relative, below") << m_dir.path() << "sub/inner/../name.txt";
    }
    void dotsAboveTheRoot() {
        QFETCH(QString, current);
        QFETCH(QString, path);
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current));
        Varnet varnet;
        const QVariant shortPath = varnet.ShortPath(path);
        QDir::setCurrent(previous);
        QCOMPARE(shortPath, QVariant(m_file));
        QString rootsParent = "/..";
        QCOMPARE(varnet.ShortFolder(rootsParent), QVariant("/"));
    }

    void removeIniKey_data() {
        QTest::addColumn<QByteArray>("before"); // a null array: no file
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        const QByteArray ini = "; c\r\n[One]\r\nk=1\r\n x = 2\r\n\r\n[Two]\r\nk=3\r\nz=4";
        QTest::newRow("key of first section") << ini << "One"
                                              << "k" << QByteArray("; c\r\n[One]\r\n x = 2\r\n\r\n[Two]\r\nk=3\r\nz=4");
        QTest::newRow("same key, other section")
            << ini << "Two"
            << "k" << QByteArray("; c\r\n[One]\r\nk=1\r\n x = 2\r\n\r\n[Two]\r\nz=4");
        QTest::newRow("any case, blanks") << ini << "one"
                                          << "X" << QByteArray("; c\r\n[One]\r\nk=1\r\n\r\n[Two]\r\nk=3\r\nz=4");
        QTest::newRow("last line") << ini << "Two"
                                   << "z" << QByteArray("; c\r\n[One]\r\nk=1\r\n x = 2\r\n\r\n[Two]\r\nk=3\r\n");
        QTest::newRow("missing key") << ini << "One"
                                     << "none" << ini;
        QTest::newRow("missing section") << ini << "Three"
                                         << "k" << ini;
        QTest::newRow("key of a later section") << ini << "One"
                                                << "z" << ini;
        QTest::newRow("comment is no key") << ini << ""
                                           << "; c" << ini;
        QTest::newRow("first of two") << QByteArray("[s]\nk=1\nk=2\n") << "s"
                                      << "k" << QByteArray("[s]\nk=2\n");
        QTest::newRow("missing file") << QByteArray() << "s"
                                      << "k" << QByteArray();
    }
    void removeIniKey() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        QString path = m_dir.filePath("test.ini");
        QFile::remove(path);
        if (!before.isNull()) {
            write(path, before);
        }
        Varnet varnet;
        QCOMPARE(varnet.RemoveINIKey(section, key, path), QVariant());
        QCOMPARE(QFile::exists(path), !after.isNull());
        if (QFile file(path); file.open(QIODevice::ReadOnly)) {
            QCOMPARE(file.readAll(), after);
        }
    }

    // Only regular files are INI files: reading a FIFO would wait for a writer for ever.
    void removeIniKeyReadsOnlyRegularFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a FIFO") << "link";
        QTest::newRow("over the size limit") << "large";
    }
    void removeIniKeyReadsOnlyRegularFiles() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo"), target = kind == "fifo" ? fifo : dir.filePath("test.ini");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const qint64 size = kind == "large" ? varnetocx::MaxIniFileSize + 1 : 0;
        if (kind == "link") {
            QVERIFY(QFile::link(fifo, target));
        } else if (kind == "large") {
            write(target, "[s]\nk=1\n");
            QVERIFY(QFile::resize(target, size)); // sparse, so quick to make
        }
        auto call = std::async(std::launch::async, [target] {
            QString section = "s", key = "k", file = target;
            return Varnet().RemoveINIKey(section, key, file);
        });
        const bool returned = call.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
        if (!returned) {
            QFile(fifo).open(QIODevice::WriteOnly); // a writer that leaves at once ends the reader's wait
        }
        QVERIFY(returned && !call.get().isValid());
        QCOMPARE(QFileInfo(target).size(), size);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
