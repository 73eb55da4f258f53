#include "text_conversions.h"

#include <QtGlobal>

#include <array>
#include <utility>

namespace varnetocx {

QString plainTextToHtml(const QString& text, bool createBRs) {
    QString html = text;
    // "&" goes first so that the entities of the later passes are not escaped again.
    html.replace(QLatin1String("&"), QLatin1String("&amp;"));
    html.replace(QLatin1String(">"), QLatin1String("&gt;"));
    html.replace(QLatin1String("<"), QLatin1String("&lt;"));
    html.replace(QLatin1String("\""), QLatin1String("&quot;"));
    // Exactly two passes over pairs of blanks: what they leave of longer runs is what readers of these pages
    // expect (four blanks give "&nbsp; &nbsp; ").
    html.replace(QLatin1String("  "), QLatin1String("&nbsp; "));
    html.replace(QLatin1String("  "), QLatin1String("&nbsp; "));
    html.replace(QLatin1String("\t"), QLatin1String("&nbsp; &nbsp; "));
    if (createBRs) {
        html.replace(QLatin1String("\r\n"), QLatin1String("<br>\r\n"));
    }
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
    const QChar percent(u'%');
    QString expanded = text;
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype opening = text.indexOf(percent, position);
        if (opening < 0) {
            break;
        }
        const qsizetype closing = text.indexOf(percent, opening + 1);
        if (closing < 0) {
            break;
        }
        const QString name = text.mid(opening + 1, closing - opening - 1);
        if (name.contains(u' ')) {
            // Not a reference ("50% and 20%"): the closing sign may open the next one.
            position = closing;
            continue;
        }
        // An empty name ("%%") looks up the variable with the empty name, which Linux never has, so the pair
        // disappears like any other unset reference.
        const QString value = qEnvironmentVariable(name.toLocal8Bit().constData());
        expanded.replace(percent + name + percent, value);
        position = closing + 1;
    }
    return expanded;
}

} // namespace varnetocx
