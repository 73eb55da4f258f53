// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "install_layout.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Where the package puts the library and the shared files, from the program's folder (usr/bin); set by the build
// (CMakeLists.txt) with the paths cmake/PantrovaInstall.cmake installs them to.
const QString PackagedLibraryFolder = QStringLiteral(PANTROVA_PACKAGED_LIBDIR "/");
const QString PackagedDataFolder = QStringLiteral(PANTROVA_PACKAGED_DATADIR "/");

QString withSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// The first of `folders` that holds `file`, else the first folder.
QString holding(const QString& file, const QStringList& folders) {
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + file))
            return folder;
    return folders.first();
}

bool writable(const QString& folder) {
    const QFileInfo info(folder);
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isDir() && info.isWritable() && (info.permissions() & anyWrite);
}

} // namespace

InstallLayout InstallLayout::of(const QString& programFolder) {
    InstallLayout layout;
    layout.programFolder = withSlash(programFolder);
    const QString packagedLibraries = QDir::cleanPath(layout.programFolder + PackagedLibraryFolder) + u'/';
    const QString packagedData = QDir::cleanPath(layout.programFolder + PackagedDataFolder) + u'/';
    layout.libraryFolder = holding(LibraryFileName, {layout.programFolder, packagedLibraries});
    layout.templateFolder = holding(TemplateFileName, {layout.programFolder, packagedData});
    const bool packaged = layout.templateFolder == packagedData && layout.templateFolder != layout.programFolder;
    if (QFileInfo::exists(layout.programFolder + QStringLiteral("Pantrova.dat")) ||
        (!packaged && writable(layout.programFolder))) {
        layout.dataFolder = layout.programFolder;
    } else {
        layout.dataFolder = withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
                            QStringLiteral("pantrova/");
        QDir().mkpath(layout.dataFolder);
    }
    return layout;
}
