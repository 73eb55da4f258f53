// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "english_plurals.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

void installEnglishPlurals() {
    static QTranslator plurals;
    QVERIFY(plurals.load(QStringLiteral("pantrova_en"), QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&plurals);
}
