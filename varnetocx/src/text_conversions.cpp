#include "text_conversions.h"

#include <QHash>
#include <QList>
#include <QStringView>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

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

// Calls take(opening, closing, name) for each pair of percent signs in text, from left to right, whose name has no
// blank. The closing sign of a pair that take() accepts closes nothing else; that of any other pair may open the
// next one ("50% and 20%VAR%").
template <typename Take> void scanReferences(QStringView text, Take take) {
    qsizetype position = 0;
    while (true) {
        const qsizetype opening = text.indexOf(u'%', position);
        const qsizetype closing = opening < 0 ? -1 : text.indexOf(u'%', opening + 1);
        if (closing < 0) {
            return;
        }
        const QStringView name = text.sliced(opening + 1, closing - opening - 1);
        position = !name.contains(u' ') && take(opening, closing, name) ? closing + 1 : closing;
    }
}

// Env2Str in one pass. Callers rely on a value's own references being replaced by the references that follow in
// the text (once the library replaced each reference throughout the text built so far). Instead of rescanning the
// text for each reference, the expansion numbers the references and expands each value once, against those that
// follow the first reference to its variable.
class EnvironmentExpansion {
public:
    explicit EnvironmentExpansion(const QString& text)
        : m_text(text) {
        scanReferences(m_text, [this](qsizetype opening, qsizetype closing, QStringView name) {
            QString key = name.toString();
            QList<qsizetype>& order = m_order[key];
            order.append(qsizetype(m_references.size()));
            m_references.push_back({opening, closing, order.first(), std::move(key)});
            return true;
        });
        m_expansions.resize(m_references.size());
    }

    QString result() {
        QString result;
        result.reserve(m_text.size());
        qsizetype position = 0;
        for (const Reference& reference : m_references) {
            result += QStringView(m_text).sliced(position, reference.opening - position);
            result += expansion(reference.first);
            position = reference.closing + 1;
        }
        result += QStringView(m_text).sliced(position);
        return result;
    }

private:
    struct Reference {
        qsizetype opening;
        qsizetype closing;
        qsizetype first; // the number of the first reference to the same variable
        QString name;
    };

    // The value of reference `index`, with each reference inside it replaced by the expansion of the next
    // reference of the text to the same variable; one the text does not make after `index` stays as it is.
    const QString& expansion(qsizetype index) {
        if (const std::optional<QString>& known = m_expansions[size_t(index)]) {
            return *known;
        }
        // An empty name ("%%") looks up the variable with the empty name, which Linux never has, so the pair
        // disappears like any other unset reference.
        const QString value = qEnvironmentVariable(m_references[size_t(index)].name.toLocal8Bit().constData());
        QString expanded;
        qsizetype position = 0;
        scanReferences(value, [&](qsizetype opening, qsizetype closing, QStringView name) {
            const qsizetype later = nextReference(name, index);
            if (later < 0) {
                return false;
            }
            expanded += QStringView(value).sliced(position, opening - position);
            expanded += expansion(later);
            position = closing + 1;
            return true;
        });
        expanded += QStringView(value).sliced(position);
        return m_expansions[size_t(index)].emplace(std::move(expanded));
    }

    // The number of the first reference to `name` after reference `index`, or -1.
    qsizetype nextReference(QStringView name, qsizetype index) const {
        const auto found = m_order.constFind(name.toString());
        if (found == m_order.constEnd()) {
            return -1;
        }
        const auto later = std::upper_bound(found->cbegin(), found->cend(), index);
        return later == found->cend() ? -1 : *later;
    }

    const QString m_text;
    std::vector<Reference> m_references;
    QHash<QString, QList<qsizetype>> m_order; // each variable's references, by number
    std::vector<std::optional<QString>> m_expansions;
};

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
    return EnvironmentExpansion(text).result();
}

} // namespace varnetocx
