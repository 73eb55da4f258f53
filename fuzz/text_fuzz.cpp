// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Fuzzes the text conversions on arbitrary text. PT2HTML's output never holds a raw '<', '>' or '"' (beyond the
// "<br>" it adds on request) and every '&' in it starts one of its entities; HTML2PT and Env2Str accept anything,
// and text without a percent sign passes Env2Str unchanged.
#include "text_conversions.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

bool escaped(const QString& html) {
    static const QStringList entities{QStringLiteral("&amp;"), QStringLiteral("&lt;"), QStringLiteral("&gt;"),
                                      QStringLiteral("&quot;"), QStringLiteral("&nbsp;")};
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (c == u'<' || c == u'>' || c == u'"')
            return false;
        if (c == u'&' && std::none_of(entities.begin(), entities.end(), [&](const QString& entity) {
                return QStringView(html).mid(i).startsWith(entity);
            }))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool createBRs = (data[0] & 1) != 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    QString html = varnetocx::plainTextToHtml(text, createBRs);
    if (createBRs)
        html.replace(QStringLiteral("<br>\r\n"), QStringLiteral("\r\n"));
    if (!escaped(html))
        std::abort();

    varnetocx::htmlToPlainText(text);
    const QString expanded = varnetocx::expandEnvironment(text);
    if (!text.contains(u'%') && expanded != text)
        std::abort();
    return 0;
}
