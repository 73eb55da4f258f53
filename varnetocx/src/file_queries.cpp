// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "file_queries.h"

#include "errors.h"
#include "platform.h"

#include <QDir>
#include <QFileInfo>

namespace varnetocx {

namespace {

QFileInfo existingFile(const QString& path) {
    QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        throw errors::fileNotFound();
    }
    return info;
}

QFileInfo existingFolder(const QString& path) {
    QFileInfo info(path);
    if (path.isEmpty() || !info.isDir()) {
        throw errors::pathNotFound();
    }
    return info;
}

// The path made absolute against the current folder and cleaned. QDir::cleanPath keeps a ".." that climbs above
// the root ("/../etc"); there ".." names the root itself, as the kernel resolves it.
QString absoluteCleanPath(const QString& path) {
    QString clean = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    while (clean == QLatin1String("/..") || clean.startsWith(QLatin1String("/../"))) {
        clean.remove(0, 3);
    }
    return clean.isEmpty() ? QStringLiteral("/") : clean;
}

QDateTime creationTime(const QFileInfo& info) {
    if (const QDateTime born = info.birthTime(); born.isValid()) {
        return born;
    }
    if (const QDateTime changed = info.metadataChangeTime(); changed.isValid()) {
        return changed;
    }
    return info.lastModified();
}

} // namespace

bool fileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool folderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

int mountState(const QString& mountPoint) {
    if (mountPoint.isEmpty() || !platform::mountedVolumes) {
        return 0;
    }
    // "/media/usb/" names the same mount point as "/media/usb".
    const QString wanted = QDir::cleanPath(mountPoint);
    const auto volumes = platform::mountedVolumes();
    for (const platform::Volume& volume : volumes) {
        if (volume.rootPath == wanted) {
            return volume.ready ? 2 : 1;
        }
    }
    return 0;
}

QString shortFileLocation(const QString& file) {
    // The parent is looked up again as a folder, as the file system object does; it can have gone meanwhile.
    return shortFolder(QFileInfo(absoluteCleanPath(existingFile(file).filePath())).path());
}

QString shortFile(const QString& file) {
    return existingFile(file).fileName();
}

QString shortPath(const QString& file) {
    return joinShortPath(shortFileLocation(file), shortFile(file));
}

QString shortFolder(const QString& folder) {
    return absoluteCleanPath(existingFolder(folder).filePath());
}

QString joinShortPath(const QString& folder, const QString& name) {
    // Only a root keeps its separator; testing the folder's length, as the Windows form of this rule does with
    // "C:\", would glue the name onto any three-character folder such as "/ab".
    if (QDir(folder).isRoot()) {
        return folder + name;
    }
    return folder + u'/' + name;
}

QDateTime fileCreated(const QString& file) {
    return creationTime(existingFile(file));
}

QDateTime fileAccessed(const QString& file) {
    return existingFile(file).lastRead();
}

QDateTime fileModified(const QString& file) {
    return existingFile(file).lastModified();
}

QDateTime folderCreated(const QString& folder) {
    return creationTime(existingFolder(folder));
}

} // namespace varnetocx
