// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Access by name to the window object that TopMost and ShellAndWait receive. Any QObject will do that has the
// properties and the Move method they use, either declared or dynamic; a missing one throws the late-binding
// failure "Object doesn't support this property or method", a null object "Object variable ... not set".
#pragma once

#include <QList>
#include <QObject>

namespace varnetocx::late {

// The property's value as a number. Throws when it is missing or not a number.
double number(const QObject* object, const char* property);
// The property's value as a native window id.
quintptr windowId(const QObject* object, const char* property);
// Throws unless the property exists and can be written.
void requireWritable(const QObject* object, const char* property);
void setBool(QObject* object, const char* property, bool value);
// Calls the invokable `method` that takes arguments.size() numeric parameters (int, float, double, ...).
void call(QObject* object, const char* method, const QList<double>& arguments);

} // namespace varnetocx::late
