// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The plugin's root object, which QPluginLoader::instance() returns: it creates Varnet objects and tells whether
// the library can be unloaded. Together with the plugin's metadata it is the whole binding of the library.
#pragma once

#include <varnetocx/class_factory.h>

#include <QObject>

class VarnetFactory : public QObject, public VarnetClassFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VarnetClassFactory_iid FILE "varnetocx.json")
    Q_INTERFACES(VarnetClassFactory)

public:
    QObject* createInstance(QObject* parent = nullptr) override;
    bool canUnloadNow() const override;
};
