#include "app/date_formats.h"

#include "astro/errors.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace almadex {
namespace {

bool g_arabic_indic_digits = false;

QString two_digits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

// Length of the run of character c (case-insensitive) at position i.
qsizetype run_length(QStringView s, qsizetype i, QChar c) {
    qsizetype n = 0;
    while (i + n < s.size() && s[i + n].toLower() == c) ++n;
    return n;
}

bool all_digits(QStringView s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!c.isDigit()) return false;
    return true;
}

std::optional<int> month_from_name(QStringView s) {
    // The names of the locale in force, and the English ones of the stored forms.
    for (const QLocale& locale : {QLocale(), QLocale::c()})
        for (int m = 1; m <= 12; ++m) {
            if (s.compare(locale.monthName(m, QLocale::ShortFormat), Qt::CaseInsensitive) == 0 ||
                s.compare(locale.monthName(m, QLocale::LongFormat), Qt::CaseInsensitive) == 0 ||
                s.compare(locale.standaloneMonthName(m, QLocale::ShortFormat), Qt::CaseInsensitive) == 0)
                return m;
        }
    return std::nullopt;
}

QStringList split_fields(QStringView text, QChar separator) {
    if (separator.isSpace()) return text.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList parts;
    for (QStringView part : text.split(separator)) parts << part.trimmed().toString();
    return parts;
}

} // namespace

void set_arabic_indic_digits(bool on) {
    g_arabic_indic_digits = on;
}

bool arabic_indic_digits() {
    return g_arabic_indic_digits;
}

QString shown_digits(QString text) {
    if (!g_arabic_indic_digits) return text;
    for (QChar& c : text)
        if (c >= u'0' && c <= u'9') c = QChar(0x0660 + (c.unicode() - u'0'));
    return text;
}

QString latin_digits(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out)
        if (c.isDigit() && c.unicode() > 0x7f) c = QChar(u'0' + c.digitValue());
    return out;
}

QString stored_date_text(QDate date) {
    return QStringLiteral("%1/%2/%3")
        .arg(two_digits(date.day()), two_digits(date.month()))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString stored_time_text(QTime time) {
    return QStringLiteral("%1:%2:%3")
        .arg(two_digits(time.hour()), two_digits(time.minute()), two_digits(time.second()));
}

QTime to_qtime(const almanac::TDateTimeParts& p) {
    return QTime(p.hour, p.minute, p.second, p.millisecond);
}

QDateTime to_qdatetime(double t) {
    const almanac::TDateTimeParts p = almanac::datetime_parts(t);
    return QDateTime(QDate(p.year, p.month, p.day), to_qtime(p));
}

QDate to_qdate(double t) {
    const almanac::TDateTimeParts p = almanac::date_parts(t);
    return QDate(p.year, p.month, p.day);
}

double from_qdate(QDate d) {
    return almanac::datetime_from_parts(d.year(), d.month(), d.day());
}

double from_qdatetime(const QDateTime& dt) {
    const QDate d = dt.date();
    const QTime t = dt.time();
    return almanac::datetime_from_parts(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(),
                                        t.msec());
}

QString format_date_time(QStringView pattern, double t, const TFormatSettings& fs) {
    const QDateTime dt = to_qdatetime(t);
    const QDate date = dt.date();
    const QTime time = dt.time();
    const QLocale locale;
    QString out;
    bool after_hour = false; // "m" right after an hour field means minutes
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i].toLower();
        if (c == u'"' || c == u'\'') {
            const qsizetype end = pattern.indexOf(pattern[i], i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const qsizetype n =
            (c == u'd' || c == u'm' || c == u'y' || c == u'h' || c == u'n' || c == u's' || c == u'z')
                ? run_length(pattern, i, c)
                : 1;
        switch (c.unicode()) {
        case u'd':
            if (n == 1)
                out += QString::number(date.day());
            else if (n == 2)
                out += two_digits(date.day());
            else if (n == 3)
                out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else
                out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            after_hour = false;
            break;
        case u'm':
            if (after_hour && n <= 2) {
                out += n == 1 ? QString::number(time.minute()) : two_digits(time.minute());
            } else if (n == 1) {
                out += QString::number(date.month());
            } else if (n == 2) {
                out += two_digits(date.month());
            } else {
                out += locale.monthName(date.month(), n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            }
            after_hour = false;
            break;
        case u'y': {
            const int y = date.year();
            out += n <= 2 ? two_digits(y % 100) : QStringLiteral("%1").arg(y, 4, 10, QLatin1Char('0'));
            after_hour = false;
            break;
        }
        case u'h':
            out += n == 1 ? QString::number(time.hour()) : two_digits(time.hour());
            after_hour = true;
            break;
        case u'n':
            out += n == 1 ? QString::number(time.minute()) : two_digits(time.minute());
            after_hour = false;
            break;
        case u's':
            out += n == 1 ? QString::number(time.second()) : two_digits(time.second());
            after_hour = false;
            break;
        case u'z':
            out += n < 3 ? QString::number(time.msec())
                         : QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'));
            after_hour = false;
            break;
        case u'/':
            out += fs.DateSeparator;
            break;
        case u':':
            out += fs.TimeSeparator;
            break;
        default:
            out += pattern[i];
            break;
        }
        i += n;
    }
    return shown_digits(out);
}

QString date_to_str(double t, const TFormatSettings& fs) {
    return format_date_time(fs.ShortDateFormat, t, fs);
}

QString long_time_pattern() {
    QString pattern = QLocale().timeFormat(QLocale::ShortFormat);
    if (!pattern.contains(u's')) {
        const qsizetype minutes = pattern.lastIndexOf(QStringLiteral("mm"));
        if (minutes >= 0) pattern.insert(minutes + 2, QStringLiteral(":ss"));
    }
    return pattern;
}

QString time_to_str(double t) {
    return shown_digits(QLocale().toString(to_qdatetime(t).time(), long_time_pattern()));
}

QString time_to_str(const almanac::TDateTimeParts& parts) {
    return shown_digits(QLocale().toString(to_qtime(parts), long_time_pattern()));
}

QString format_number(QStringView pattern, double value) {
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView int_part = point < 0 ? pattern : pattern.left(point);
    const QStringView frac_part = point < 0 ? QStringView() : pattern.mid(point + 1);
    const qsizetype first_zero = int_part.indexOf(u'0');
    const qsizetype min_int = first_zero < 0 ? 0 : int_part.size() - first_zero;
    const qsizetype last_zero = frac_part.lastIndexOf(u'0');
    const qsizetype min_frac = last_zero < 0 ? 0 : last_zero + 1;
    const qsizetype max_frac = frac_part.size();

    // Round half away from zero at the last optional decimal.
    const double scale = std::pow(10.0, static_cast<double>(max_frac));
    const double rounded = std::round(std::fabs(value) * scale) / scale;
    QString digits = QString::number(rounded, 'f', static_cast<int>(max_frac));
    QString whole = digits.section(u'.', 0, 0);
    QString frac = max_frac > 0 ? digits.section(u'.', 1, 1) : QString();
    while (frac.size() > min_frac && frac.endsWith(u'0')) frac.chop(1);
    if (whole == QStringLiteral("0") && min_int == 0) whole.clear();
    while (whole.size() < min_int) whole.prepend(u'0');

    QString out = whole;
    if (!frac.isEmpty()) out += QLocale().decimalPoint() + frac;
    const bool negative = value < 0 && (rounded != 0);
    if (out.isEmpty()) out = QStringLiteral("0");
    return shown_digits(negative ? QStringLiteral("-") + out : out);
}

std::optional<double> try_str_to_date(QStringView text, const TFormatSettings& fs) {
    // Field order from the short date format: the order of the first d, m and y.
    QString order;
    for (QChar c : fs.ShortDateFormat) {
        const QChar l = c.toLower();
        if ((l == u'd' || l == u'm' || l == u'y') && !order.contains(l)) order += l;
    }
    if (order.size() != 3) order = QStringLiteral("mdy");

    const QStringList parts = split_fields(latin_digits(text.trimmed()), fs.DateSeparator);
    if (parts.size() != 3 && parts.size() != 2) return std::nullopt;
    int day = 0, month = 0, year = QDate::currentDate().year();
    bool year_given = false;
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const QString& part = parts[k];
        const QChar field = order[k];
        if (field == u'm' && !all_digits(part)) {
            const auto m = month_from_name(part);
            if (!m) return std::nullopt;
            month = *m;
            continue;
        }
        if (!all_digits(part) || part.size() > 4) return std::nullopt;
        const int v = part.toInt();
        if (field == u'd')
            day = v;
        else if (field == u'm')
            month = v;
        else {
            year = v;
            year_given = true;
            if (part.size() <= 2) year += QDate::currentDate().year() / 100 * 100;
        }
    }
    if (parts.size() == 2 && order[2] != u'y') return std::nullopt;
    if (!year_given && parts.size() == 3) return std::nullopt;
    if (year < 1 || year > 9999) return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return from_qdate(date);
}

std::optional<double> try_str_to_time(QStringView text, const TFormatSettings& fs) {
    QString s = latin_digits(text.trimmed());
    int add_hours = 0;
    bool twelve_hour = false;
    if (s.endsWith(QStringLiteral("am"), Qt::CaseInsensitive) ||
        s.endsWith(QStringLiteral("pm"), Qt::CaseInsensitive)) {
        twelve_hour = true;
        if (s.endsWith(QStringLiteral("pm"), Qt::CaseInsensitive)) add_hours = 12;
        s.chop(2);
        s = s.trimmed();
    }
    const QStringList parts = s.split(fs.TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    int values[3] = {0, 0, 0};
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const QString p = parts[k].trimmed();
        if (!all_digits(p) || p.size() > 2) return std::nullopt;
        values[k] = p.toInt();
    }
    int hours = values[0];
    if (twelve_hour) {
        if (hours < 1 || hours > 12) return std::nullopt;
        hours = hours % 12 + add_hours;
    }
    if (hours > 23 || values[1] > 59 || values[2] > 59) return std::nullopt;
    return (hours * 3600.0 + values[1] * 60.0 + values[2]) / 86400.0;
}

std::optional<double> try_str_to_datetime(QStringView text, const TFormatSettings& fs) {
    const QString s = text.trimmed().toString();
    const qsizetype blank = s.lastIndexOf(u' ');
    if (blank < 0) return try_str_to_date(s, fs);
    const QString last = s.mid(blank + 1);
    if (!last.contains(fs.TimeSeparator)) return try_str_to_date(s, fs);
    const auto date = try_str_to_date(QStringView(s).left(blank), fs);
    const auto time = try_str_to_time(last, fs);
    if (!date || !time) return std::nullopt;
    return *date + *time;
}

double str_to_time(QStringView text, const TFormatSettings& fs) {
    if (auto v = try_str_to_time(text, fs)) return *v;
    throw astro::EConvertError(QStringLiteral("'%1' is not a valid time").arg(text).toStdString());
}

} // namespace almadex
