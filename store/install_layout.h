// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Where Pantrova finds its own files and keeps the user's data, worked out from the program's folder.
//
// A portable install (the build folder, `make install`, the tarball) is one folder: the library, the templates and
// the data file live beside the program. The Debian package spreads the program's files over /usr, as Debian
// does, and no user can write beside the program there, so the data lives in the user's data folder
// ($XDG_DATA_HOME/pantrova, ~/.local/share/pantrova by default).

#include <QString>

struct InstallLayout {
    static inline const QString LibraryFileName = QStringLiteral("libvarnetocx.so");
    static inline const QString TemplateFileName = QStringLiteral("Pantrova Template.htm");

    // Every folder ends in '/'.
    QString programFolder;
    QString libraryFolder;  // holds libvarnetocx.so
    QString templateFolder; // holds "Pantrova Template.htm" and the templates of other languages
    QString dataFolder;     // holds Pantrova.dat, its copies and the page; made when it is the user's data folder

    // The data folder is the program's folder when that already holds Pantrova.dat (existing users keep their
    // data where it is), or when it is no packaged install and it can be written to, its permissions saying so
    // (a folder without write permission counts as read-only even for root). Otherwise it is the user's data
    // folder. The library and the templates are taken from beside the program first, then from where the
    // package installs them; with neither, from beside the program, where the window then says what is missing.
    static InstallLayout of(const QString& programFolder);
};
