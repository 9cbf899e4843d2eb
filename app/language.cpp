#include "app/language.h"

#include "app/date_formats.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>

namespace almadex {

QString language_title(TLanguage language) {
    switch (language) {
    case TLanguage::english:
        return QStringLiteral("English");
    case TLanguage::french:
        return QStringLiteral("Français");
    case TLanguage::arabic:
        return QStringLiteral("العربية");
    case TLanguage::system:
        break;
    }
    return QCoreApplication::translate("almadex::TLanguage", "System");
}

TLanguage spoken_language(TLanguage chosen, const QLocale& system) {
    if (chosen != TLanguage::system) return chosen;
    switch (system.language()) {
    case QLocale::French:
        return TLanguage::french;
    case QLocale::Arabic:
        return TLanguage::arabic;
    default:
        return TLanguage::english;
    }
}

QLocale interface_locale(TLanguage chosen, const QLocale& system) {
    switch (spoken_language(chosen, system)) {
    case TLanguage::arabic:
        return QLocale(QLocale::Arabic, QLocale::Algeria);
    case TLanguage::french:
        return system.language() == QLocale::French ? system : QLocale(QLocale::French, QLocale::France);
    default:
        if (chosen == TLanguage::system) return system;
        return system.language() == QLocale::English || system.language() == QLocale::C
                   ? system
                   : QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

TTranslations::TTranslations() : direction_before_(QGuiApplication::layoutDirection()) {}

TTranslations::~TTranslations() {
    remove();
    QLocale::setDefault(locale_before_);
    set_arabic_indic_digits(false);
    if (qApp) QGuiApplication::setLayoutDirection(direction_before_);
}

void TTranslations::remove() {
    if (program_installed_) QCoreApplication::removeTranslator(&program_);
    if (qt_installed_) QCoreApplication::removeTranslator(&qt_);
    program_installed_ = qt_installed_ = false;
}

void TTranslations::apply(const TLanguageChoice& choice) {
    const QLocale system = QLocale::system();
    spoken_ = spoken_language(choice.language, system);
    remove();
    if (spoken_ != TLanguage::english) {
        const QString code = language_code(spoken_);
        // The program's texts, built into it; Qt's own dialogs and buttons from the system's Qt.
        program_installed_ = program_.load(QStringLiteral(":/i18n/almadex_") + code) &&
                             QCoreApplication::installTranslator(&program_);
        qt_installed_ =
            qt_.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            QCoreApplication::installTranslator(&qt_);
    }
    QLocale::setDefault(interface_locale(choice.language, system));
    set_arabic_indic_digits(spoken_ == TLanguage::arabic && choice.arabic_digits);
    if (!qApp) return;
    // Every window that keeps the default locale takes the new one; the layout follows the writing.
    QEvent locale_change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &locale_change);
    QGuiApplication::setLayoutDirection(spoken_ == TLanguage::arabic ? Qt::RightToLeft : Qt::LeftToRight);
    // The windows retranslate on the events the translators posted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QString shown_name(const char* context, std::string_view key) {
    return QCoreApplication::translate(context, QByteArray(key.data(), static_cast<qsizetype>(key.size())));
}

} // namespace almadex
