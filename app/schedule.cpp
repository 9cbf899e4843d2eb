#include "app/schedule.h"

#include "almanac/time_zone.h"

#include <QCoreApplication>
#include <QStringList>

namespace almadex {

QString prayer_time_text(const almanac::TPrayerDay& day, const almanac::TPrayerTime& time,
                         const TFormatSettings& fs) {
    const almanac::TDateTimeParts local = day.local(time);
    QStringList notes;
    if (const double date = almanac::datetime_from_parts(local.year, local.month, local.day);
        date != day.date)
        notes << date_to_str(date, fs);
    if (day.shows_offset(time))
        notes << QString::fromStdString(almanac::offset_text(time.utc_offset_seconds));
    const QString text = time_to_str(local);
    return notes.isEmpty() ? text : text + QStringLiteral(" (") + notes.join(QLatin1Char(' ')) + u')';
}

QString skipped_day_text(const almanac::TPrayerDay& day, const QString& zone, const TFormatSettings& fs) {
    return date_to_str(day.date, fs) + QStringLiteral(": ") +
           QCoreApplication::translate("TPrayerForm", "not a day in %1: its clocks skipped it").arg(zone);
}

} // namespace almadex
