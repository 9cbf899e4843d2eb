// The language of the interface (the system's, English, French or Arabic), the locale its dates and numbers
// follow and the direction of its layout: Qt's translators, the program's and Qt's own, swapped when it
// changes, every window told at once (QEvent::LanguageChange, QEvent::LocaleChange).
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTranslator>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace almadex {

enum class TLanguage : std::uint8_t { system, english, french, arabic };
inline constexpr std::array<TLanguage, 4> languages{TLanguage::system, TLanguage::english, TLanguage::french,
                                                    TLanguage::arabic};

/// The language chosen, and for Arabic whether digits are shown in the Arabic-Indic forms (٠١٢...) rather
/// than the Latin ones the Maghreb reads.
struct TLanguageChoice {
    TLanguage language = TLanguage::system;
    bool arabic_digits = false;
    friend bool operator==(const TLanguageChoice&, const TLanguageChoice&) = default;
};

/// The name in the settings: "system", "en", "fr", "ar".
inline QString language_code(TLanguage language) {
    switch (language) {
    case TLanguage::english:
        return QStringLiteral("en");
    case TLanguage::french:
        return QStringLiteral("fr");
    case TLanguage::arabic:
        return QStringLiteral("ar");
    case TLanguage::system:
        break;
    }
    return QStringLiteral("system");
}
/// The language of a settings name, or nothing.
inline std::optional<TLanguage> find_language(QStringView code) {
    for (const TLanguage language : languages)
        if (code == language_code(language)) return language;
    return std::nullopt;
}
/// How the Language menu names it: each language in itself ("Français", "العربية"), the system's choice in
/// the interface's language.
QString language_title(TLanguage language);

/// The language the interface speaks for `chosen` on a system of locale `system`: English, French or Arabic;
/// the system's choice is its language when it is one of these, else English.
TLanguage spoken_language(TLanguage chosen, const QLocale& system);
/// The locale of dates and numbers: Arabic is the Maghreb's ar_DZ; French and English are the system's locale
/// when it speaks them, else fr_FR and en_US; the system's choice of another language keeps its locale.
QLocale interface_locale(TLanguage chosen, const QLocale& system);

/// The translators installed in the application while this lives; the default locale, the layout
/// direction and the digits it found come back when it ends.
class TTranslations {
public:
    TTranslations();
    ~TTranslations();
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;

    /// Speaks `choice` from now on: translators of the program and of Qt for the language, the default
    /// locale, the layout direction (right to left for Arabic), the digits; every window is told.
    void apply(const TLanguageChoice& choice);
    /// The language spoken now (never TLanguage::system).
    TLanguage spoken() const { return spoken_; }

private:
    void remove();

    QTranslator program_;
    QTranslator qt_;
    bool program_installed_ = false;
    bool qt_installed_ = false;
    TLanguage spoken_ = TLanguage::english;
    QLocale locale_before_;
    Qt::LayoutDirection direction_before_;
};

/// A name the almanac marks for translation (almanac/tr_mark.h) in the language spoken: its English key
/// looked up in the translations of `context`.
QString shown_name(const char* context, std::string_view key);

} // namespace almadex
