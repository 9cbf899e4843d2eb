// Entry point of the tests that drive the real program under Xvfb and openbox: the X session starts before
// the first test (not while CTest only lists the tests) and this process joins it as a Qt client, for the
// clipboard and for screenshots. Without the session's tools every test is skipped with the reason.
#include "tests/xvfb/x_session.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    if (listing) return RUN_ALL_TESTS();

    std::unique_ptr<QCoreApplication> app;
    if (almadex::xvfb::TXSession::get()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    ::testing::UnitTest::GetInstance()->listeners().Append(new almadex::xvfb::TScreenshotOnFailure);
    const int result = RUN_ALL_TESTS();
    app.reset();
    return result;
}
