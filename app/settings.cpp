#include "app/settings.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <cstdlib>
#include <string_view>

namespace almadex {
namespace {

/// The settings positioned in the group "Setup" for as long as this lives; what was written is then synced.
class TSetupGroup {
public:
    explicit TSetupGroup(QSettings& settings) : settings_(settings) {
        settings_.beginGroup(QStringLiteral("Setup"));
    }
    ~TSetupGroup() {
        settings_.endGroup();
        settings_.sync();
    }
    TSetupGroup(const TSetupGroup&) = delete;
    TSetupGroup& operator=(const TSetupGroup&) = delete;

    /// The integer under `key`, or nothing when it is missing or not a whole number.
    std::optional<int> integer(const QString& key) const {
        if (!settings_.contains(key)) return std::nullopt;
        bool ok = false;
        const int value = settings_.value(key).toInt(&ok);
        if (!ok) return std::nullopt;
        return value;
    }
    /// The text under `key`, or nothing when it is missing.
    std::optional<QString> text(const QString& key) const {
        if (!settings_.contains(key)) return std::nullopt;
        return settings_.value(key).toString();
    }
    void set(const QString& key, const QVariant& value) { settings_.setValue(key, value); }

private:
    QSettings& settings_;
};

} // namespace

std::unique_ptr<QSettings> user_settings() {
    return std::make_unique<QSettings>(QStringLiteral("Kelvane"), QStringLiteral("Stellox"));
}

TSetupValues read_setup(QSettings& settings) {
    const TSetupGroup group(settings);
    TSetupValues values;
    values.Top = group.integer(QStringLiteral("Top"));
    if (!values.Top) return values;
    values.Left = group.integer(QStringLiteral("Left"));
    if (!values.Left) return values;
    if (const auto run = group.integer(QStringLiteral("Run")))
        values.Run = *run != 0;
    else
        return values;
    if (const auto tip_on = group.integer(QStringLiteral("TipOn"))) values.TipOn = *tip_on != 0;
    return values;
}

void write_setup(QSettings& settings, int top, int left, bool run, bool tip_on) {
    TSetupGroup group(settings);
    group.set(QStringLiteral("Top"), top);
    group.set(QStringLiteral("Left"), left);
    group.set(QStringLiteral("Run"), run ? 1 : 0);
    group.set(QStringLiteral("TipOn"), tip_on ? 1 : 0);
}

void write_setup_position(QSettings& settings, int top, int left) {
    TSetupGroup group(settings);
    group.set(QStringLiteral("Top"), top);
    group.set(QStringLiteral("Left"), left);
}

almanac::TIslamicChoice read_islamic_choice(QSettings& settings) {
    const TSetupGroup group(settings);
    almanac::TIslamicChoice choice;
    if (const auto name = group.text(QStringLiteral("IslamicCalendar")))
        if (const auto* calendar = almanac::find_islamic_calendar(name->toStdString()))
            choice.calendar = calendar->id;
    if (const auto adjust = group.integer(QStringLiteral("HijriAdjust")))
        if (std::abs(*adjust) <= almanac::hijri_adjust_limit) choice.adjust_days = *adjust;
    return choice;
}

void write_islamic_choice(QSettings& settings, const almanac::TIslamicChoice& choice) {
    TSetupGroup group(settings);
    const std::string_view name = almanac::islamic_calendar_name(choice.calendar).name;
    group.set(QStringLiteral("IslamicCalendar"),
              QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    group.set(QStringLiteral("HijriAdjust"), choice.adjust_days);
}

TLanguageChoice read_language_choice(QSettings& settings) {
    const TSetupGroup group(settings);
    TLanguageChoice choice;
    if (const auto code = group.text(QStringLiteral("Language")))
        if (const auto language = find_language(*code)) choice.language = *language;
    if (const auto digits = group.integer(QStringLiteral("ArabicDigits")))
        choice.arabic_digits = *digits != 0;
    return choice;
}

void write_language_choice(QSettings& settings, const TLanguageChoice& choice) {
    TSetupGroup group(settings);
    group.set(QStringLiteral("Language"), language_code(choice.language));
    group.set(QStringLiteral("ArabicDigits"), choice.arabic_digits ? 1 : 0);
}

} // namespace almadex
