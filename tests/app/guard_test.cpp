#include "app/guard.h"
#include "app/messages.h"
#include "astro/errors.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace almadex;

namespace {

struct Recorder {
    std::vector<TMessage> seen;
    Recorder() {
        set_message_handler([this](const TMessage& m) {
            seen.push_back(m);
            return QMessageBox::Ok;
        });
    }
    ~Recorder() { set_message_handler({}); }
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

TEST(Guard, ALibraryErrorInAHandlerShowsItsMessageAndTheProgramGoesOn) {
    Recorder recorder;
    QApplication::setApplicationName(QStringLiteral("Almadex"));
    Form form;
    QPushButton button(&form);
    QObject::connect(&button, &QPushButton::clicked, &form, guarded(&form, &Form::Click));
    button.click();
    button.click();
    EXPECT_EQ(form.runs, 2);
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(recorder.seen[0].text, QStringLiteral("Fedjr is not calculable"));
    EXPECT_EQ(recorder.seen[0].caption, QStringLiteral("Almadex"));
    EXPECT_EQ(recorder.seen[0].icon, QMessageBox::Critical);
}

TEST(Guard, HandlersReceiveTheSignalArgumentsTheyTake) {
    Recorder recorder;
    Form form;
    QPushButton button(&form);
    button.setCheckable(true);
    QObject::connect(&button, &QPushButton::toggled, &form, guarded(&form, &Form::Toggle));
    button.setChecked(true);
    button.setChecked(false);
    EXPECT_EQ(form.runs, 30);
    EXPECT_TRUE(recorder.seen.empty());
}

TEST(Guard, AnythingThrownIsReportedWithoutEscaping) {
    Recorder recorder;
    EXPECT_FALSE(run_guarded(nullptr, [] { throw 42; }));
    EXPECT_TRUE(run_guarded(nullptr, [] {}));
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0].text, QStringLiteral("Unknown error"));
}

} // namespace
