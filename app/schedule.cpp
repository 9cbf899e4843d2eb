#include "app/schedule.h"

#include "app/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <cstring>

namespace almadex {
namespace {

// A time of day in the long time format, or the locale's time without its seconds (and the separator before
// them).
QString time_text(const almanac::TDateTimeParts& local, bool whole_minutes) {
    if (!whole_minutes) return time_to_str(local);
    QString pattern = long_time_pattern();
    pattern.remove(QRegularExpression(QStringLiteral("[^Hhmap\\s]?s{1,2}(\\.z+)?")));
    return shown_digits(QLocale().toString(to_qtime(local), pattern));
}

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

almanac::TReportStyle report_style(const TFormatSettings& fs, const QString& zone, bool whole_minutes) {
    almanac::TReportStyle style;
    style.date = [&fs](double date) { return date_to_str(date, fs).toStdString(); };
    style.time = [whole_minutes](const almanac::TDateTimeParts& p) {
        return time_text(p, whole_minutes).toStdString();
    };
    style.next_day = QCoreApplication::translate("almadex::TPrayerForm", "next day").toStdString();
    style.skipped_day = [&fs, zone](const almanac::TPrayerDay& day) {
        return QCoreApplication::translate("almadex::TPrayerForm", "%1: %2")
            .arg(date_to_str(day.date, fs), skipped_day_note(zone))
            .toStdString();
    };
    style.translate = [](std::string_view context, std::string_view text) {
        return shown_name(std::string(context).c_str(), text).toStdString();
    };
    return style;
}

QString prayer_title(almanac::TPrayer prayer, almanac::TPrayerNames names) {
    const std::string_view name = almanac::prayer_name(prayer, names);
    return names == almanac::TPrayerNames::english ? shown_name("Prayer", name) : utf8(name);
}

QString prayer_title(const almanac::TPrayerTime& time, almanac::TPrayerNames names) {
    const std::string_view name = almanac::time_name(time, names);
    return names == almanac::TPrayerNames::english ? shown_name("Prayer", name) : utf8(name);
}

QString prayer_time_text(const almanac::TPrayerDay& day, const almanac::TPrayerTime& time,
                         const TFormatSettings& fs, bool whole_minutes) {
    return QString::fromStdString(almanac::shown_time(day, time, report_style(fs, QString(), whole_minutes)));
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

QString skipped_day_note(const QString& zone) {
    return QCoreApplication::translate("almadex::TPrayerForm", "not a day in %1: its clocks skipped it")
        .arg(zone);
}

} // namespace almadex
