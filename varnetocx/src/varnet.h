// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Varnet, the library's one class: twenty stateless utility methods that a program calls by name through
// QMetaObject::invokeMethod. Every method returns a QVariant: the result, an invalid QVariant for "empty", or a
// VarnetError when the call failed. Text arguments are non-const references; PT2HTML and HTML2PT write their
// result back into theirs, all others only read them.
#pragma once

#include <varnetocx/class_factory.h>

#include <QObject>
#include <QString>
#include <QVariant>

#include <atomic>

class Varnet : public QObject {
    Q_OBJECT

public:
    explicit Varnet(QObject* parent = nullptr);
    ~Varnet() override;

    // How many Varnet objects are alive in this library.
    static int liveObjects();

    // In the order of the original control's interface.
    Q_INVOKABLE QVariant FExists(QString& OrigFile);
    Q_INVOKABLE QVariant DExists(QString& OrigFile);
    Q_INVOKABLE QVariant DirExists(QString& OrigFile);
    Q_INVOKABLE QVariant ColConv(QString& Colour);
    Q_INVOKABLE QVariant ShortFileLocation(QString& OrigFile);
    Q_INVOKABLE QVariant ShortFile(QString& OrigFile);
    Q_INVOKABLE QVariant ShortPath(QString& OrigPath);
    Q_INVOKABLE QVariant RemoveINIKey(QString& SectionName, QString& Keyname, QString& INIFile);
    Q_INVOKABLE QVariant FileCreated(QString& File);
    Q_INVOKABLE QVariant FileAccessed(QString& File);
    Q_INVOKABLE QVariant FileModified(QString& File);
    Q_INVOKABLE QVariant ShortFolder(QString& OrigFolder);
    Q_INVOKABLE QVariant FolderCreated(QString& Folder);
    Q_INVOKABLE QVariant GetSmallIcon(QString& FileName);
    Q_INVOKABLE QVariant GetBigIcon(QString& FileName);
    Q_INVOKABLE QVariant TopMost(QObject* frm, bool& TopTF);
    Q_INVOKABLE QVariant ShellAndWait(QObject* frm, QString& program_name);
    Q_INVOKABLE QVariant PT2HTML(QString& PT, bool& CreateBRs);
    Q_INVOKABLE QVariant HTML2PT(QString& HTML);
    Q_INVOKABLE QVariant Env2Str(QString& EStr);

private:
    static std::atomic<int> s_liveObjects;
};
