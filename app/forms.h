// The program's windows. Every window is created once at start, in a fixed order, none of them shown, and
// lives until the program ends; they reach one another through this registry.
#pragma once

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
/// repository. Each does its start-up work while it is created.
void create_forms();

/// Destroys them in reverse order; the windows that keep files write them while they are destroyed.
void destroy_forms();

} // namespace almadex
