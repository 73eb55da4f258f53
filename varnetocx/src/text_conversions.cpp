// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "text_conversions.h"

#include <QSet>
#include <QStringMatcher>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>
#include <utility>

namespace varnetocx {

namespace {

// A run of blanks as two passes over pairs of blanks leave it: the first turns each pair into "&nbsp; ", the second
// joins the last of those with an odd blank left over ("&nbsp;&nbsp; "). One blank stays a blank.
void appendBlanks(QString& html, qsizetype run) {
    if (run == 1) {
        html += u' ';
        return;
    }
    const qsizetype pairs = run / 2;
    const bool odd = run % 2 != 0;
    for (qsizetype i = 0; i < (odd ? pairs - 1 : pairs); ++i) {
        html += QLatin1String("&nbsp; ");
    }
    if (odd) {
        html += QLatin1String("&nbsp;&nbsp; ");
    }
}

// One global replace pass: every occurrence from left to right that does not overlap the one replaced before it,
// the replacements not searched again. Builds a new text, where QString::replace moves the rest of the text for
// every thousand occurrences. False when there was none.
bool replaceAll(QString& text, const QString& before, const QString& after) {
    const QStringMatcher matcher(before);
    qsizetype found = matcher.indexIn(text);
    if (found < 0) {
        return false;
    }
    QString replaced;
    replaced.reserve(text.size());
    qsizetype copied = 0;
    for (; found >= 0; found = matcher.indexIn(text, copied)) {
        replaced += QStringView(text).sliced(copied, found - copied);
        replaced += after;
        copied = found + before.size();
    }
    replaced += QStringView(text).sliced(copied);
    text = std::move(replaced);
    return true;
}

} // namespace

QString plainTextToHtml(const QString& text, bool createBRs) {
    // One pass over the text. The conversion used to be a series of replacements (escapes, then two passes over
    // pairs of blanks, then tabs, then CR LF), and what those passes gave is kept exactly, runs of blanks included.
    QString html;
    html.reserve(text.size() + text.size() / 4);
    const QStringView view(text);
    const qsizetype size = view.size();
    qsizetype unchanged = 0; // where the characters that are copied as they are begin
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = view[i].unicode();
        const bool lineBreak = c == u'\r' && createBRs && i + 1 < size && view[i + 1] == u'\n';
        if (c != u'&' && c != u'>' && c != u'<' && c != u'"' && c != u'\t' && c != u' ' && !lineBreak) {
            continue;
        }
        html += view.sliced(unchanged, i - unchanged);
        unchanged = i + 1;
        switch (c) {
        case u'&':
            html += QLatin1String("&amp;");
            break;
        case u'>':
            html += QLatin1String("&gt;");
            break;
        case u'<':
            html += QLatin1String("&lt;");
            break;
        case u'"':
            html += QLatin1String("&quot;");
            break;
        case u'\t':
            html += QLatin1String("&nbsp; &nbsp; ");
            break;
        case u' ': {
            qsizetype run = 1;
            while (i + run < size && view[i + run] == u' ') {
                ++run;
            }
            appendBlanks(html, run);
            i += run - 1;
            unchanged = i + 1;
            break;
        }
        default: // the CR of a CR LF, which keeps its line break after the "<br>"
            html += QLatin1String("<br>");
            unchanged = i;
        }
    }
    html += view.sliced(unchanged);
    return html;
}

QString htmlToPlainText(const QString& html) {
    QString text = html;
    text.replace(QLatin1String("<BR>"), QLatin1String("\r\n"));
    text.replace(QLatin1String("<br>"), QLatin1String("\r\n"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    return text;
}

std::optional<int> colourValue(const QString& name) {
    static constexpr std::array<std::pair<const char*, int>, 16> colours{{
        {"Black", 0x000000},
        {"Maroon", 0x000080},
        {"Green", 0x008000},
        {"Olive", 0x008080},
        {"Navy", 0x800000},
        {"Purple", 0x800080},
        {"Teal", 0x808000},
        {"Grey", 0x808080},
        {"Silver", 0xC0C0C0},
        {"Red", 0x0000FF},
        {"Lime", 0x00FF00},
        {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},
        {"Fuchsia", 0xFF00FF},
        {"Aqua", 0xFFFF00},
        {"White", 0xFFFFFF},
    }};
    for (const auto& [colourName, value] : colours) {
        if (name == QLatin1String(colourName)) {
            return value;
        }
    }
    return std::nullopt;
}

QString expandEnvironment(const QString& text) {
    // One replace pass per reference, in the order the references stand in the unchanged input, each over the
    // whole text so far. A pass that found nothing is not repeated until the text changes, so many references to
    // a few variables cost a few passes.
    QString result = text;
    QSet<QString> absent; // names whose pass found nothing, since the text last changed
    qsizetype position = 0;
    while (true) {
        const qsizetype opening = text.indexOf(u'%', position);
        const qsizetype closing = opening < 0 ? -1 : text.indexOf(u'%', opening + 1);
        if (closing < 0) {
            return result;
        }
        const QStringView name = QStringView(text).sliced(opening + 1, closing - opening - 1);
        // The closing sign after a name with a blank may open the next reference ("50% and 20%VAR%").
        if (name.contains(u' ')) {
            position = closing;
            continue;
        }
        position = closing + 1;
        QString key = name.toString();
        if (absent.contains(key)) {
            continue;
        }
        // An empty name ("%%") looks up the variable with the empty name, which Linux never has, so the pair
        // disappears like any other unset reference.
        if (replaceAll(result, u'%' + key + u'%', qEnvironmentVariable(key.toLocal8Bit().constData()))) {
            absent.clear();
        } else {
            absent.insert(std::move(key));
        }
    }
}

} // namespace varnetocx
