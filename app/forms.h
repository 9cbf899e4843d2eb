// The program's windows. Every window is created once at start, in a fixed order, none of them shown, and
// lives until the program ends; they reach one another through this registry.
#pragma once

#include <QString>

namespace almadex {

class TMainForm;
class TIntroForm;
class TInfoForm;
class TLunarForm;
class TCalendarForm;
class TPrayerForm;
class TMonthForm;
class TBetweenForm;
class TRepositoryForm;

struct TForms {
    TMainForm* main = nullptr;
    TIntroForm* intro = nullptr;
    TInfoForm* info = nullptr;
    TLunarForm* lunar = nullptr;
    TCalendarForm* calendar = nullptr;
    TPrayerForm* prayer = nullptr;
    TMonthForm* month = nullptr;
    TBetweenForm* between = nullptr;
    TRepositoryForm* repository = nullptr;
};

/// The windows in existence (null until created).
TForms& forms();

/// Creates the windows in start-up order: main, intro, info, lunar, calendar, prayer, month, between,
/// repository. Each does its start-up work while it is created. A non-empty `program_folder` replaces the
/// running program's folder (where the data files are kept) before the windows that read it are created.
void create_forms(const QString& program_folder = QString());

/// Destroys them in reverse order; the windows that keep files write them while they are destroyed.
void destroy_forms();

} // namespace almadex
