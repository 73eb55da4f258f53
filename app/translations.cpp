// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

void install(const QLocale& locale) {
    static QTranslator* program = nullptr;
    static QTranslator* qt = nullptr;
    for (QTranslator** translator : {&program, &qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
    program = new QTranslator;
    // A language without a translation shows the English texts, so it takes English plural forms too.
    if (program->load(locale, QStringLiteral("pantrova"), QStringLiteral("_"), QStringLiteral(":/i18n")) ||
        program->load(QStringLiteral("pantrova_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(program);
    qt = new QTranslator;
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace Translations
