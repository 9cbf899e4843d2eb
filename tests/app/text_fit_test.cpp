// Every text a window shows can be read whole at the default font: values, labels, lists, buttons, for the
// widest values each window gives, in English, French and Arabic.
#include "app/between_form.h"
#include "app/calendar_form.h"
#include "app/info_form.h"
#include "app/intro_form.h"
#include "app/lunar_form.h"
#include "app/month_form.h"
#include "app/prayer_form.h"
#include "app/repository_form.h"
#include "controls/spin_edit.h"
#include "controls/tip_dialog.h"
#include "tests/support/app_test.h"
#include "tests/support/text_fit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace almadex;
using almadex::testing::cut_texts;

namespace {

class TextFit : public almadex::testing::AppTest, public ::testing::WithParamInterface<TLanguage> {
protected:
    QTemporaryDir program;

    void SetUp() override {
        AppTest::SetUp();
        start(program.path());
        core->set_language({GetParam(), false});
        core->create_windows();
        create_main();
        main->show();
    }
    static std::string cut(const QWidget* window) { return cut_texts(window).join(u'\n').toStdString(); }
};

TEST_P(TextFit, TheConverterWindowForDaysOfEveryMonthName) {
    TMainForm* converter = main;
    EXPECT_EQ(cut(converter), "") << "at start, the Julian Day with its decimals";
    // Days that bring every Islamic and Hebrew month name and every stem and animal into the lists.
    for (int month = 1; month <= 12; ++month) {
        converter->convert_gregorian(28, month, 2024);
        EXPECT_EQ(cut(converter), "") << "28/" << month << "/2024";
    }
    converter->convert_gregorian(1, 1, 999);
    EXPECT_EQ(cut(converter), "") << "1/1/999";
}

TEST_P(TextFit, TheMoonWindowForTheEclipsesOfThreeYears) {
    TLunarForm* lunar = &core->lunar_form();
    lunar->show();
    // The window's designed font as this desktop gives it, not a narrowed or smaller one.
    EXPECT_GE(lunar->font().pointSizeF(), 8.0);
    EXPECT_TRUE(lunar->font().stretch() == QFont::AnyStretch ||
                lunar->font().stretch() == QFont::Unstretched);
    TMainForm* converter = main;
    auto* time = lunar->findChild<QLineEdit*>(QStringLiteral("TimeEdit"));
    ASSERT_NE(time, nullptr);
    time->setText(QStringLiteral("23:59"));
    for (int year = 2026; year <= 2028; ++year) {
        for (int month = 1; month <= 12; ++month) {
            converter->GYear()->setValue(year);
            converter->GMonth()->setValue(month);
            converter->GDay()->setValue(28);
            lunar->SetBtn()->click();
            EXPECT_EQ(cut(lunar), "") << "28/" << month << "/" << year;
        }
    }
    // The values that have units show them, whole.
    EXPECT_TRUE(lunar->findChild<QLineEdit*>(QStringLiteral("DiameterEdit"))->text().endsWith(u'\u2033'));
    EXPECT_TRUE(
        lunar->findChild<QLineEdit*>(QStringLiteral("DistanceEdit"))
            ->text()
            .endsWith(GetParam() == TLanguage::arabic ? QStringLiteral(" كم") : QStringLiteral(" km")));
}

TEST_P(TextFit, ThePrayerWindowWithTheWidestPlaceAndNames) {
    TPrayerForm* prayer = &core->prayer_form();
    prayer->show();
    for (int i = 1; i <= 3; ++i) {
        prayer->LatEdit(i)->setValue(i == 1 ? 66 : 59);
        prayer->LonEdit(i)->setValue(i == 1 ? 179 : 59);
    }
    prayer->LatEdit4()->setCurrentIndex(1);
    prayer->TZSign()->setCurrentIndex(1);
    prayer->TZValue()->setText(QStringLiteral("12:00"));
    prayer->Cal()->setDate(QDate(2000, 9, 27)); // Wednesday, 27 September 2000
    for (const char* names : {"Usearabiannames", "Useenglishnames", "Usearabicscriptnames"}) {
        prayer->findChild<QAction*>(QString::fromLatin1(names))->trigger();
        EXPECT_EQ(cut(prayer), "") << names;
    }
}

TEST_P(TextFit, TheSmallWindows) {
    TCalendarForm* calendar = &core->calendar_form();
    calendar->show();
    calendar->ShowLeapYear(2023);
    EXPECT_EQ(cut(calendar), "");

    TBetweenForm* between = &core->between_form();
    between->show();
    EXPECT_EQ(cut(between), "") << "before a date is chosen";
    between->DateTimePicker1()->setDate(QDate(2000, 9, 27));
    between->DateTimePicker2()->setDate(QDate(9999, 9, 29));
    EXPECT_EQ(cut(between), "");

    TRepositoryForm* repository = &core->repository_form();
    repository->show();
    repository->DatePick()->setDate(QDate(2000, 9, 27));
    repository->add_repository_entry(QStringLiteral("Wedding anniversary of my parents"),
                                     QStringLiteral("27/09/2000"));
    EXPECT_EQ(cut(repository), "");

    // The tips, spelled and shown whole on the white of a text field.
    TTipDialog* tips = main->TipsDialog();
    const QString astronomy[] = {QStringLiteral("astronomy"), QStringLiteral("astronomiques"),
                                 QStringLiteral("الفلكية")};
    EXPECT_TRUE(tips->Tips().join(u' ').contains(astronomy[static_cast<int>(GetParam()) - 1]));
    EXPECT_EQ(tips->BackColor(), main->palette().color(QPalette::Base));

    // The schedule's title whole in its frame's title bar, beside three frame buttons of up to 32 pixels.
    TMonthForm* month = &core->month_form();
    const QString titles[] = {QStringLiteral("Prayers Schedule"), QStringLiteral("Horaires des prières"),
                              QStringLiteral("جدول مواقيت الصلاة")};
    EXPECT_EQ(month->windowTitle(), titles[static_cast<int>(GetParam()) - 1]);
    EXPECT_GE(month->width(), month->fontMetrics().horizontalAdvance(month->windowTitle()) + 3 * 32);

    core->intro_form().show();
    EXPECT_EQ(cut(&core->intro_form()), "");
    core->intro_form().hide();
    EXPECT_EQ(cut(&core->info_form()), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit,
                         ::testing::Values(TLanguage::english, TLanguage::french, TLanguage::arabic),
                         [](const ::testing::TestParamInfo<TLanguage>& param) {
                             return language_code(param.param).toStdString();
                         });

} // namespace
