#include "app/schedule.h"

#include "almanac/time_zone.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cstring>

namespace almadex {

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
        text = QLocale().toString(to_qtime(local), pattern);
    }
    return notes.isEmpty() ? text : text + QStringLiteral(" (") + notes.join(QLatin1Char(' ')) + u')';
}

QString prayer_message(const std::string& message, bool arabic) {
    QString text = QString::fromStdString(message);
    const struct {
        const char* word;
        almanac::TPrayer prayer;
    } words[] = {{"Fedjr ", almanac::TPrayer::fedjr},
                 {"Assr ", almanac::TPrayer::asr},
                 {"Ishaa ", almanac::TPrayer::ishaa}};
    for (const auto& w : words)
        if (text.startsWith(QLatin1String(w.word)))
            return prayer_title(w.prayer, arabic) + u' ' + text.mid(qsizetype(std::strlen(w.word)));
    return text;
}

QString skipped_day_text(const almanac::TPrayerDay& day, const QString& zone, const TFormatSettings& fs) {
    return date_to_str(day.date, fs) + QStringLiteral(": ") +
           QCoreApplication::translate("TPrayerForm", "not a day in %1: its clocks skipped it").arg(zone);
}

} // namespace almadex
