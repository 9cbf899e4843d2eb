#include "app/rtf_writer.h"

namespace almadex {

QByteArray rtf_escape(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u < 0x20 || u == 0x7f) {
            // other control characters have no place in a paragraph
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else {
            // \uN takes a signed 16-bit number; \uc1 (in the header) says one fallback character follows.
            out += "\\u" + QByteArray::number(static_cast<int>(static_cast<qint16>(u)));
            if (u >= 0xa0 && u <= 0xff)
                out += "\\'" + QByteArray::number(static_cast<int>(u), 16).rightJustified(2, '0');
            else
                out += '?';
        }
    }
    return out;
}

QByteArray rtf_document(const QStringList& lines, const QString& font_family, int point_size) {
    QString family = font_family;
    family.remove(u';'); // the font table ends each name with a semicolon
    if (family.trimmed().isEmpty()) family = QStringLiteral("Arial");
    const int half_points = (point_size > 0 ? point_size : 10) * 2;

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    out += rtf_escape(family);
    out += ";}}\n";
    out += "\\pard\\plain\\f0\\fs" + QByteArray::number(half_points) + ' ';
    for (const QString& line : lines) {
        out += rtf_escape(line);
        out += "\\par\n";
    }
    out += "}\n";
    return out;
}

} // namespace almadex
