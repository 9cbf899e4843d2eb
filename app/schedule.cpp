#include "app/schedule.h"

#include "almanac/time_zone.h"
#include "app/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cstring>

namespace almadex {

QString prayer_title(almanac::TPrayer prayer, almanac::TPrayerNames names) {
    const std::string_view name = almanac::prayer_name(prayer, names);
    if (names == almanac::TPrayerNames::english) return shown_name("Prayer", name);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString prayer_time_text(const almanac::TPrayerDay& day, const almanac::TPrayerTime& time,
                         const TFormatSettings& fs, bool whole_minutes) {
    const almanac::TDateTimeParts local = day.local(time);
    QStringList notes;
    if (const double date = almanac::datetime_from_parts(local.year, local.month, local.day);
        date != day.date)
        notes << date_to_str(date, fs);
    if (day.shows_offset(time))
        notes << QString::fromStdString(almanac::offset_text(time.utc_offset_seconds));
    QString text = time_to_str(local);
    if (whole_minutes) {
        // The locale's time without its seconds (and the separator before them).
        QString pattern = long_time_pattern();
        pattern.remove(QRegularExpression(QStringLiteral("[^Hhmap\\s]?s{1,2}(\\.z+)?")));
        text = shown_digits(QLocale().toString(to_qtime(local), pattern));
    }
    return notes.isEmpty() ? text : text + QStringLiteral(" (") + notes.join(QLatin1Char(' ')) + u')';
}

QString prayer_message(const std::string& message, almanac::TPrayerNames names) {
    QString text = QString::fromStdString(message);
    const struct {
        const char* word;
        almanac::TPrayer prayer;
    } words[] = {{"Fedjr ", almanac::TPrayer::fedjr},
                 {"Assr ", almanac::TPrayer::asr},
                 {"Ishaa ", almanac::TPrayer::ishaa}};
    for (const auto& w : words)
        if (text.startsWith(QLatin1String(w.word)))
            return prayer_title(w.prayer, names) + u' ' + text.mid(qsizetype(std::strlen(w.word)));
    return text;
}

QString skipped_day_text(const almanac::TPrayerDay& day, const QString& zone, const TFormatSettings& fs) {
    return QCoreApplication::translate("almadex::TPrayerForm", "%1: not a day in %2: its clocks skipped it")
        .arg(date_to_str(day.date, fs), zone);
}

} // namespace almadex
