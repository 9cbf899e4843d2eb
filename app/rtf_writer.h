// A small writer of rich-text (RTF 1.x) documents: plain lines of text, one paragraph each, in one font. The
// result is 7-bit ASCII: the RTF special characters are escaped and every other character is written as a
// Unicode escape \uN with a one-character fallback for readers that know no Unicode.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace almadex {

/// The text of one paragraph in RTF: "\", "{" and "}" escaped, a tab as \tab, other control characters
/// dropped, printable ASCII as it is, and any other UTF-16 unit as \uN (N signed 16-bit, so a character past
/// U+7FFF is negative and one past U+FFFF is two escapes, its surrogates) followed by its fallback: the
/// Windows-1252 byte \'xx for U+00A0..U+00FF (the degree sign is \u176\'b0), else "?".
QByteArray rtf_escape(QStringView text);

/// A complete RTF document: a font table with `font_family` (point size `point_size`, 10 when not positive)
/// and one paragraph per line, each ended by \par.
QByteArray rtf_document(const QStringList& lines, const QString& font_family, int point_size);

} // namespace almadex
