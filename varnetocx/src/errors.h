// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The failures the library's helpers raise. Helpers throw a VarnetError; Varnet turns it into its result, so no
// exception ever leaves the library. The numbers are the ones Windows callers of VarnetOCX already test for.
#pragma once

#include <varnetocx/class_factory.h>

namespace varnetocx::errors {

inline VarnetError fileNotFound() {
    return {53, QStringLiteral("File not found")};
}
inline VarnetError pathNotFound() {
    return {76, QStringLiteral("Path not found")};
}
inline VarnetError typeMismatch() {
    return {13, QStringLiteral("Type mismatch")};
}
inline VarnetError objectNotSet() {
    return {91, QStringLiteral("Object variable or With block variable not set")};
}
inline VarnetError memberMissing() {
    return {438, QStringLiteral("Object doesn't support this property or method")};
}
inline VarnetError internalError() {
    return {51, QStringLiteral("Internal error")};
}
// The object-error base 0x80040000 plus 300.
inline VarnetError startFailed() {
    return {-2147221204, QStringLiteral("Error starting task")};
}

} // namespace varnetocx::errors
