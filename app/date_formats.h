// The date and time conventions of the program (date separator, short date format, short time format): one
// value that the application core holds and the windows change as they run, handed to what formats and parses
// dates, with the formatter and parser of the patterns they use.
// Patterns are written in the program's own pattern language: d dd ddd dddd, m mm mmm mmmm (minutes right
// after an hour), yy yyyy, h hh, n nn, s ss, z zzz, "/" the date separator, ":" the time separator, text in
// quotes. Month and day names and the long time format follow the default QLocale. Times are read by
// almanac::datetime_parts: to the nearest millisecond, the seconds as a clock shows them.
#pragma once

#include "almanac/datetime_parts.h"

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

namespace almadex {

struct TFormatSettings {
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString ShortTimeFormat = QStringLiteral("hh:mm");
};

// --- date-time values (days since 1899-12-30 00:00, one linear count in both directions) and Qt ---
// Through almanac/datetime_parts.h, so that a window shows the same second as a saved calendar or
// almadex-cli; dates of the years 1..9999 (others raise astro::EConvertError).

/// The instant to the nearest millisecond.
QDateTime to_qdatetime(double t);
/// The day of t (t rounded down).
QDate to_qdate(double t);
double from_qdatetime(const QDateTime& dt);
double from_qdate(QDate d);
QTime to_qtime(const almanac::TDateTimeParts& parts);

// --- digits ---

/// Whether the digits shown are the Arabic-Indic ones (U+0660..U+0669) rather than the Latin ones, for the
/// whole program; Latin by default.
void set_arabic_indic_digits(bool on);
bool arabic_indic_digits();
/// `text` with its Latin digits in the forms shown.
QString shown_digits(QString text);
/// `text` with every decimal digit of any script as a Latin one: what the parsers and the stored forms read.
QString latin_digits(QStringView text);

// --- formatting: the texts shown, in the default locale's names and the digits shown ---

/// Formats t with a pattern of the language above.
QString format_date_time(QStringView pattern, double t, const TFormatSettings& fs);
/// The short date format of `fs`.
QString date_to_str(double t, const TFormatSettings& fs);
/// The locale's time format with seconds (the long time format).
QString time_to_str(double t);
QString time_to_str(const almanac::TDateTimeParts& parts);
/// The long time format as a Qt pattern (the locale's short time format with seconds added when it has none).
QString long_time_pattern();
/// Number patterns: "0" a digit always shown, "#" a digit shown when significant, "." the locale's decimal
/// point; halves are rounded away from zero. "##0.0" gives 12.3, "#0.##" 5.5, "0#" 05.
QString format_number(QStringView pattern, double value);

// --- stored forms: one form whatever the interface's language, Latin digits ---

/// "dd/mm/yyyy".
QString stored_date_text(QDate date);
/// "hh:mm:ss".
QString stored_time_text(QTime time);

// --- parsing (digits of any script): nullopt, or str_to_time raises astro::EConvertError "'text' is not a
// valid time" ---

/// Day, month and year in the order of the short date format, separated by the date separator (a blank
/// separator accepts any run of blanks); months may be written as names when the format shows them so; a
/// missing year is the current one. The date is proleptic Gregorian; the result is 00:00 of that day.
std::optional<double> try_str_to_date(QStringView text, const TFormatSettings& fs);
/// Hours, minutes and optional seconds separated by the time separator: the fraction of a day.
std::optional<double> try_str_to_time(QStringView text, const TFormatSettings& fs);
/// A date, a blank, and a time.
std::optional<double> try_str_to_datetime(QStringView text, const TFormatSettings& fs);

double str_to_time(QStringView text, const TFormatSettings& fs);

} // namespace almadex
