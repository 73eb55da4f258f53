// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "late_binding.h"

#include "errors.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QVariant>

#include <array>

namespace varnetocx::late {

namespace {

void requireObject(const QObject* object) {
    if (!object) {
        throw errors::objectNotSet();
    }
}

bool hasDynamicProperty(const QObject* object, const char* property) {
    return object->dynamicPropertyNames().contains(QByteArray(property));
}

QVariant read(const QObject* object, const char* property) {
    requireObject(object);
    const int index = object->metaObject()->indexOfProperty(property);
    if (index < 0 && !hasDynamicProperty(object, property)) {
        throw errors::memberMissing();
    }
    return object->property(property);
}

} // namespace

double number(const QObject* object, const char* property) {
    bool ok = false;
    const double value = read(object, property).toDouble(&ok);
    if (!ok) {
        throw errors::typeMismatch();
    }
    return value;
}

quintptr windowId(const QObject* object, const char* property) {
    bool ok = false;
    const qulonglong value = read(object, property).toULongLong(&ok);
    if (!ok) {
        throw errors::typeMismatch();
    }
    return static_cast<quintptr>(value);
}

void requireWritable(const QObject* object, const char* property) {
    requireObject(object);
    const int index = object->metaObject()->indexOfProperty(property);
    if (index >= 0 ? !object->metaObject()->property(index).isWritable() : !hasDynamicProperty(object, property)) {
        throw errors::memberMissing();
    }
}

void setBool(QObject* object, const char* property, bool value) {
    requireWritable(object, property);
    const int index = object->metaObject()->indexOfProperty(property);
    if (index < 0) {
        object->setProperty(property, value); // a dynamic property: setProperty answers false by design
    } else if (!object->metaObject()->property(index).write(object, value)) {
        throw errors::typeMismatch();
    }
}

void call(QObject* object, const char* method, const QList<double>& arguments) {
    requireObject(object);
    constexpr qsizetype MaxArguments = 4;
    if (arguments.size() > MaxArguments) {
        throw errors::internalError();
    }
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod candidate = meta->method(i);
        if (candidate.name() != method || candidate.parameterCount() != arguments.size() ||
            candidate.methodType() == QMetaMethod::Signal) {
            continue;
        }
        // Each number is converted to the parameter's own type; the type names must outlive the call.
        std::array<QVariant, MaxArguments> values;
        std::array<QByteArray, MaxArguments> typeNames;
        std::array<QGenericArgument, MaxArguments> passed;
        for (int p = 0; p < candidate.parameterCount(); ++p) {
            values[p] = arguments[p];
            if (!values[p].convert(candidate.parameterMetaType(p))) {
                throw errors::typeMismatch();
            }
            typeNames[p] = candidate.parameterTypeName(p);
            passed[p] = QGenericArgument(typeNames[p].constData(), values[p].constData());
        }
        if (!candidate.invoke(object, Qt::DirectConnection, passed[0], passed[1], passed[2], passed[3])) {
            throw errors::memberMissing();
        }
        return;
    }
    throw errors::memberMissing();
}

} // namespace varnetocx::late
