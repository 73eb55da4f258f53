// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The plugin as the program sees it: loaded by file name, reached through the public header only, and called
// by name exactly as the program calls it.
#include <varnetocx/class_factory.h>

#include <QJsonObject>
#include <QMetaMethod>
#include <QPluginLoader>
#include <QTest>

#include <memory>

class PluginTest : public QObject {
    Q_OBJECT

    QPluginLoader m_loader;
    VarnetClassFactory* m_factory = nullptr;

private slots:
    void initTestCase() {
        m_loader.setFileName(qEnvironmentVariable("PANTROVA_BIN_DIR") + "/libvarnetocx.so");
        m_factory = qobject_cast<VarnetClassFactory*>(m_loader.instance());
        QVERIFY2(m_factory, qPrintable(m_loader.errorString()));
        QCOMPARE(m_loader.metaData().value("IID").toString(), QString(VarnetClassFactory_iid));
        const QJsonObject meta = m_loader.metaData().value("MetaData").toObject();
        QCOMPARE(meta.value("Class").toString(), QString("Varnet"));
        QCOMPARE(meta.value("TypeLibrary").toString(), QString("VarnetOCX"));
    }

    void interfaceIsComplete() {
        std::unique_ptr<QObject> varnet(m_factory->createInstance());
        // In the order of the original control's interface.
        const QStringList signatures =
            QStringLiteral(
                "FExists(QString&) DExists(QString&) DirExists(QString&) ColConv(QString&) "
                "ShortFileLocation(QString&) ShortFile(QString&) ShortPath(QString&) "
                "RemoveINIKey(QString&,QString&,QString&) FileCreated(QString&) FileAccessed(QString&) "
                "FileModified(QString&) ShortFolder(QString&) FolderCreated(QString&) "
                "GetSmallIcon(QString&) GetBigIcon(QString&) TopMost(QObject*,bool&) "
                "ShellAndWait(QObject*,QString&) PT2HTML(QString&,bool&) HTML2PT(QString&) Env2Str(QString&)")
                .split(u' ');
        QCOMPARE(signatures.size(), 20);
        int previous = -1;
        for (const QString& signature : signatures) {
            const int index = varnet->metaObject()->indexOfMethod(signature.toLatin1());
            QVERIFY2(index > previous, qPrintable(signature));
            previous = index;
            QCOMPARE(varnet->metaObject()->method(index).returnMetaType(), QMetaType::fromType<QVariant>());
        }
    }

    void programCallsByName() {
        std::unique_ptr<QObject> varnet(m_factory->createInstance());
        QVariant r;
        QString path = qEnvironmentVariable("PANTROVA_BIN_DIR") + "/libvarnetocx.so";
        QVERIFY(QMetaObject::invokeMethod(varnet.get(), "FExists", Qt::DirectConnection, Q_RETURN_ARG(QVariant, r),
                                          Q_ARG(QString&, path)));
        QCOMPARE(r, QVariant(true));

        QString text = "Fish & chips  \"x\"\r\n";
        bool createBRs = true;
        QVERIFY(QMetaObject::invokeMethod(varnet.get(), "PT2HTML", Qt::DirectConnection, Q_RETURN_ARG(QVariant, r),
                                          Q_ARG(QString&, text), Q_ARG(bool&, createBRs)));
        QCOMPARE(r, QVariant("Fish &amp; chips&nbsp; &quot;x&quot;<br>\r\n"));
        QCOMPARE(text, r.toString());
    }

    void failureReachesCallerByName() {
        std::unique_ptr<QObject> varnet(m_factory->createInstance());
        QObject window;
        window.setProperty("Visible", true);
        QString program = "/nonexistent/program";
        QVariant r;
        QVERIFY(QMetaObject::invokeMethod(varnet.get(), "ShellAndWait", Qt::DirectConnection, Q_RETURN_ARG(QVariant, r),
                                          Q_ARG(QObject*, &window), Q_ARG(QString&, program)));
        QVERIFY(isVarnetError(r));
        QCOMPARE(varnetError(r).number, -2147221204);
        QCOMPARE(varnetError(r).description, QString("Error starting task"));
        QVERIFY(!isVarnetError(QVariant(QString("a result"))));
    }

    void canUnloadOnlyWhenNoObjectLives() {
        QVERIFY(m_factory->canUnloadNow());
        QObject parent;
        QObject* varnet = m_factory->createInstance(&parent);
        QCOMPARE(varnet->parent(), &parent);
        QVERIFY(!m_factory->canUnloadNow());
        delete varnet;
        QVERIFY(m_factory->canUnloadNow());
    }
};

QTEST_MAIN(PluginTest)
#include "plugin_test.moc"
