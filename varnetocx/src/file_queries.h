// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// File, folder and mount-point queries of Varnet. Linux has no short (8.3) names, so the short forms are the
// unchanged long forms; the look-ups still fail, with a VarnetError thrown, for a missing file or folder.
#pragma once

#include <QDateTime>
#include <QString>

namespace varnetocx {

// True only for a file (or a link to one), never for a folder; the same the other way round for folderExists.
bool fileExists(const QString& path);
bool folderExists(const QString& path);

// 0 when mountPoint is not a mount point, 1 when it is mounted but not ready, 2 when it is ready.
int mountState(const QString& mountPoint);

// The absolute path of the folder that holds the file; "/" for a file in the root. Throws "File not found".
QString shortFileLocation(const QString& file);
// The file's name without its folder. Throws "File not found".
QString shortFile(const QString& file);
// shortFileLocation and shortFile joined by joinShortPath. Throws "File not found".
QString shortPath(const QString& file);
// The absolute path of the folder. Throws "Path not found".
QString shortFolder(const QString& folder);

// folder + "/" + name, without doubling the separator of a root folder.
QString joinShortPath(const QString& folder, const QString& name);

// Time stamps in local time. A file system that keeps no creation time answers with the time of the last
// status change, and failing that the last modification. Throw "File not found" or "Path not found".
QDateTime fileCreated(const QString& file);
QDateTime fileAccessed(const QString& file);
QDateTime fileModified(const QString& file);
QDateTime folderCreated(const QString& folder);

} // namespace varnetocx
