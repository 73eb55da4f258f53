// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "varnet.h"

#include "errors.h"
#include "file_icons.h"
#include "file_queries.h"
#include "ini_file.h"
#include "text_conversions.h"
#include "window_helpers.h"

#include <exception>

namespace {

// No exception may leave a method called through invokeMethod: each failure becomes the method's result.
template <typename Body> QVariant guarded(Body&& body) {
    try {
        return body();
    } catch (const VarnetError& error) {
        return QVariant::fromValue(error);
    } catch (const std::exception&) {
        return QVariant::fromValue(varnetocx::errors::internalError());
    }
}

} // namespace

std::atomic<int> Varnet::s_liveObjects{0};

Varnet::Varnet(QObject* parent)
    : QObject(parent) {
    ++s_liveObjects;
}

Varnet::~Varnet() {
    --s_liveObjects;
}

int Varnet::liveObjects() {
    return s_liveObjects.load();
}

QVariant Varnet::FExists(QString& OrigFile) {
    return guarded([&] { return QVariant(varnetocx::fileExists(OrigFile)); });
}

QVariant Varnet::DExists(QString& OrigFile) {
    return guarded([&] { return QVariant(varnetocx::mountState(OrigFile)); });
}

QVariant Varnet::DirExists(QString& OrigFile) {
    return guarded([&] { return QVariant(varnetocx::folderExists(OrigFile)); });
}

QVariant Varnet::ColConv(QString& Colour) {
    const auto value = varnetocx::colourValue(Colour);
    return value ? QVariant(*value) : QVariant();
}

QVariant Varnet::ShortFileLocation(QString& OrigFile) {
    return guarded([&] { return QVariant(varnetocx::shortFileLocation(OrigFile)); });
}

QVariant Varnet::ShortFile(QString& OrigFile) {
    return guarded([&] { return QVariant(varnetocx::shortFile(OrigFile)); });
}

QVariant Varnet::ShortPath(QString& OrigPath) {
    return guarded([&] { return QVariant(varnetocx::shortPath(OrigPath)); });
}

QVariant Varnet::RemoveINIKey(QString& SectionName, QString& Keyname, QString& INIFile) {
    // Never a failure, whatever happens to the file.
    guarded([&] {
        varnetocx::removeIniKey(SectionName, Keyname, INIFile);
        return QVariant();
    });
    return {};
}

QVariant Varnet::FileCreated(QString& File) {
    return guarded([&] { return QVariant(varnetocx::fileCreated(File)); });
}

QVariant Varnet::FileAccessed(QString& File) {
    return guarded([&] { return QVariant(varnetocx::fileAccessed(File)); });
}

QVariant Varnet::FileModified(QString& File) {
    return guarded([&] { return QVariant(varnetocx::fileModified(File)); });
}

QVariant Varnet::ShortFolder(QString& OrigFolder) {
    return guarded([&] { return QVariant(varnetocx::shortFolder(OrigFolder)); });
}

QVariant Varnet::FolderCreated(QString& Folder) {
    return guarded([&] { return QVariant(varnetocx::folderCreated(Folder)); });
}

QVariant Varnet::GetSmallIcon(QString& FileName) {
    return guarded([&] { return varnetocx::fileIcon(FileName, varnetocx::IconSize::Small); });
}

QVariant Varnet::GetBigIcon(QString& FileName) {
    return guarded([&] { return varnetocx::fileIcon(FileName, varnetocx::IconSize::Large); });
}

QVariant Varnet::TopMost(QObject* frm, bool& TopTF) {
    return guarded([&] {
        varnetocx::topMost(frm, TopTF);
        return QVariant();
    });
}

QVariant Varnet::ShellAndWait(QObject* frm, QString& program_name) {
    return guarded([&] {
        varnetocx::shellAndWait(frm, program_name);
        return QVariant();
    });
}

QVariant Varnet::PT2HTML(QString& PT, bool& CreateBRs) {
    PT = varnetocx::plainTextToHtml(PT, CreateBRs);
    return PT;
}

QVariant Varnet::HTML2PT(QString& HTML) {
    HTML = varnetocx::htmlToPlainText(HTML);
    return HTML;
}

QVariant Varnet::Env2Str(QString& EStr) {
    return varnetocx::expandEnvironment(EStr);
}
