// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "varnet_host.h"

#include <varnetocx/class_factory.h>

#include <QCoreApplication>
#include <QDir>
#include <QVariant>

VarnetHost::VarnetHost(const QString& libraryFolder)
    : m_file(QDir(libraryFolder).filePath(LibraryFileName))
    , m_loader(m_file) {
    auto* factory = qobject_cast<VarnetClassFactory*>(m_loader.instance());
    if (!factory) {
        m_error = m_loader.errorString();
        return;
    }
    m_varnet = factory->createInstance();
    if (!m_varnet)
        m_error = QCoreApplication::translate("VarnetHost", "the library made no Varnet object");
}

VarnetHost::~VarnetHost() {
    delete m_varnet;
}

std::optional<bool> VarnetHost::FExists(const QString& path) const {
    if (!m_varnet)
        return std::nullopt;
    QVariant result;
    QString argument = path;
    if (!QMetaObject::invokeMethod(m_varnet, "FExists", Qt::DirectConnection, Q_RETURN_ARG(QVariant, result),
                                   Q_ARG(QString&, argument)) ||
        isVarnetError(result))
        return std::nullopt;
    return result.toBool();
}

std::optional<QString> VarnetHost::PT2HTML(const QString& text) const {
    if (!m_varnet)
        return std::nullopt;
    QVariant result;
    QString argument = text;
    bool createBRs = false;
    if (!QMetaObject::invokeMethod(m_varnet, "PT2HTML", Qt::DirectConnection, Q_RETURN_ARG(QVariant, result),
                                   Q_ARG(QString&, argument), Q_ARG(bool&, createBRs)) ||
        isVarnetError(result))
        return std::nullopt;
    return result.toString();
}
