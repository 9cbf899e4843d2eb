#include "app/guard.h"
#include "app/messages.h"
#include "astro/errors.h"
#include "tests/support/app_test.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace almadex;

namespace {

/// A running program records the message boxes.
class Guard : public almadex::testing::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        start();
    }
};

class Form : public QWidget {
public:
    int runs = 0;
    void Click() {
        ++runs;
        throw astro::E_NoRiseSet("Fedjr is not calculable");
    }
    void Toggle(bool on) { runs += on ? 10 : 20; }
};

TEST_F(Guard, ALibraryErrorInAHandlerShowsItsMessageAndTheProgramGoesOn) {
    QApplication::setApplicationName(QStringLiteral("Almadex"));
    Form form;
    QPushButton button(&form);
    QObject::connect(&button, &QPushButton::clicked, &form, guarded(&form, &Form::Click));
    button.click();
    button.click();
    EXPECT_EQ(form.runs, 2);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Fedjr is not calculable"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Almadex"));
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
}

TEST_F(Guard, HandlersReceiveTheSignalArgumentsTheyTake) {
    Form form;
    QPushButton button(&form);
    button.setCheckable(true);
    QObject::connect(&button, &QPushButton::toggled, &form, guarded(&form, &Form::Toggle));
    button.setChecked(true);
    button.setChecked(false);
    EXPECT_EQ(form.runs, 30);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Guard, AnythingThrownIsReportedWithoutEscaping) {
    EXPECT_FALSE(run_guarded(nullptr, [] { throw 42; }));
    EXPECT_TRUE(run_guarded(nullptr, [] {}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Unknown error"));
}

} // namespace
