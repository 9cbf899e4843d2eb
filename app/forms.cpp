#include "app/forms.h"

#include "app/between_form.h"
#include "app/calendar_form.h"
#include "app/info_form.h"
#include "app/intro_form.h"
#include "app/lunar_form.h"
#include "app/main_form.h"
#include "app/month_form.h"
#include "app/prayer_form.h"
#include "app/repository_form.h"

namespace almadex {

TForms& forms() {
    static TForms registry;
    return registry;
}

void create_forms(const QString& program_folder) {
    TForms& f = forms();
    // The main window first: the others read its folder, position and size while they are created.
    f.main = new TMainForm;
    if (!program_folder.isEmpty()) f.main->SetProgramFolder(program_folder);
    f.intro = new TIntroForm;
    f.info = new TInfoForm;
    f.lunar = new TLunarForm;
    f.calendar = new TCalendarForm;
    f.prayer = new TPrayerForm; // reads "gl.dat"
    f.month = new TMonthForm;
    f.between = new TBetweenForm;
    f.repository = new TRepositoryForm; // reads "dates.dat"
}

namespace {

template <class Form>
void destroy(Form*& form) {
    delete form;
    form = nullptr;
}

} // namespace

void destroy_forms() {
    TForms& f = forms();
    destroy(f.repository); // writes "dates.dat"
    destroy(f.between);
    destroy(f.month);
    destroy(f.prayer); // writes "gl.dat"
    destroy(f.calendar);
    destroy(f.lunar);
    destroy(f.info);
    destroy(f.intro);
    destroy(f.main);
}

} // namespace almadex
