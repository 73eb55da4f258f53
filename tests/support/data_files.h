// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Builds data files for tests: a map of keys and values written in the data-file format.

#include <QByteArray>
#include <QMap>
#include <QString>

QByteArray dataFileBytes(const QMap<QString, QString>& values);
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
