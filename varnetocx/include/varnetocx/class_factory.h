// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The whole public interface of the varnetocx plugin: the class factory that is the plugin's root object, and
// the failure value a Varnet method returns instead of a result. Header-only, so a program needs this folder on
// its include path and nothing else; it never links the library.
#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QtPlugin>

// The root object of the plugin (what QPluginLoader::instance() returns). It creates Varnet objects and says
// whether any of them is still alive, so that a host knows when unloading the library is safe.
class VarnetClassFactory {
public:
    virtual ~VarnetClassFactory() = default;
    // A new Varnet object, owned by parent (or by the caller when parent is null).
    virtual QObject* createInstance(QObject* parent = nullptr) = 0;
    // True when no Varnet object of the library is alive.
    virtual bool canUnloadNow() const = 0;
};

#define VarnetClassFactory_iid "org.pantrova.VarnetOCX.ClassFactory/1.0"
Q_DECLARE_INTERFACE(VarnetClassFactory, VarnetClassFactory_iid)

// What a failed Varnet method returns in place of its result: the error number and its text, for example
// -2147221204 "Error starting task" from ShellAndWait or 53 "File not found" from ShortFile.
struct VarnetError {
    int number = 0;
    QString description;
};
Q_DECLARE_METATYPE(VarnetError)

// True when a method's result is a failure rather than a value.
inline bool isVarnetError(const QVariant& result) {
    return result.metaType() == QMetaType::fromType<VarnetError>();
}

// The failure held in result; a default VarnetError (number 0) when result is not a failure.
inline VarnetError varnetError(const QVariant& result) {
    return isVarnetError(result) ? result.value<VarnetError>() : VarnetError{};
}
