// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "search_text.h"

namespace SearchText {

QString folded(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    // Qt folds letter by letter, and "ß" has no single letter to fold to.
    return plain.toCaseFolded().replace(QChar(0x00DF), QStringLiteral("ss"));
}

} // namespace SearchText
