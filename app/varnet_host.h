// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The program's side of the varnetocx library: loads the plugin from its folder at start-up, keeps
// its one Varnet object and calls, by name, the two methods the printable page needs. A missing or broken
// library is not an error until the page needs it; then errorString() says why.

#include "install_layout.h"

#include <QPluginLoader>
#include <QString>

#include <optional>

class VarnetHost {
public:
    static inline const QString LibraryFileName = InstallLayout::LibraryFileName;

    explicit VarnetHost(const QString& libraryFolder);
    ~VarnetHost();
    VarnetHost(const VarnetHost&) = delete;
    VarnetHost& operator=(const VarnetHost&) = delete;

    bool isLoaded() const { return m_varnet != nullptr; }
    QString errorString() const { return m_error; }
    QString libraryFile() const { return m_file; }
    QObject* object() const { return m_varnet; }

    // Whether a file exists at path; nothing when the call failed.
    std::optional<bool> FExists(const QString& path) const;
    // The text made safe to place in an HTML page, line breaks untouched; nothing when the call failed.
    std::optional<QString> PT2HTML(const QString& text) const;

private:
    QString m_file;
    QPluginLoader m_loader;
    QObject* m_varnet = nullptr;
    QString m_error;
};
