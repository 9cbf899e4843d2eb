// TTipDialog and Tfrm_TipOfTheDay: random tips, the Next button, the start-up state through Execute.
#include "controls/tip_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

/// A widget of the dialog by its object name.
template <typename T>
T* child(Tfrm_TipOfTheDay& form, const char* name) {
    T* w = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
QPushButton* next_button(Tfrm_TipOfTheDay& f) {
    return child<QPushButton>(f, "btn_Next");
}
QLabel* tip_label(Tfrm_TipOfTheDay& f) {
    return child<QLabel>(f, "lbl_Tip");
}
QCheckBox* startup_box(Tfrm_TipOfTheDay& f) {
    return child<QCheckBox>(f, "chk_ShowNextTime");
}

/// Runs Execute; while the dialog is up, `inside` inspects it, then "Close" is pressed.
void execute_with(TTipDialog& dialog, const std::function<void(Tfrm_TipOfTheDay&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        EXPECT_TRUE(dialog.Form().isVisible());
        EXPECT_TRUE(dialog.Form().isModal());
        inside(dialog.Form());
        child<QPushButton>(dialog.Form(), "btn_Close")->click();
    });
    dialog.Execute();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog.Form().isVisible());
}

TEST(TTipDialog, DefaultTipsAreTheSixOfTheProgram) {
    const QStringList tips = default_tips();
    ASSERT_EQ(tips.size(), 6);
    EXPECT_EQ(tips.front(), QStringLiteral("Press Ctrl+E to calculate the Easter date for current selected "
                                           "Gregorian year."));
    EXPECT_EQ(tips.back(),
              QStringLiteral("Do not hesitate, email us for any question, comment, suggestion..."));
    EXPECT_TRUE(load_tips(QStringLiteral("/nonexistent/tips.txt")).isEmpty());
    const QPixmap bulb = tip_bulb_picture();
    EXPECT_EQ(bulb.size(), QSize(32, 32));
}

struct TipListCase {
    QStringList tips;
    bool next_enabled;
};

TEST(TTipDialog, ShowsATipOrTheEmptyListMessage) {
    const TipListCase cases[] = {
        {{}, false},
        {{QStringLiteral("only tip")}, false},
        {{QStringLiteral("one"), QStringLiteral("two")}, true},
    };
    for (const auto& c : cases) {
        TTipDialog dialog;
        dialog.SetTips(c.tips);
        execute_with(dialog, [&](Tfrm_TipOfTheDay& form) {
            EXPECT_EQ(next_button(form)->isEnabled(), c.next_enabled) << c.tips.size() << " tips";
            const QString shown = tip_label(form)->text();
            if (c.tips.isEmpty())
                EXPECT_EQ(shown, QStringLiteral("Sorry, the list of tips is empty..."));
            else
                EXPECT_TRUE(c.tips.contains(shown)) << shown.toStdString();
        });
    }
}

TEST(TTipDialog, NextPicksUniformlyAmongAllTips) {
    TTipDialog dialog;
    dialog.SetTips(default_tips());
    execute_with(dialog, [&](Tfrm_TipOfTheDay& form) {
        QSet<QString> seen;
        for (int i = 0; i < 300; ++i) {
            next_button(form)->click();
            const QString shown = tip_label(form)->text();
            ASSERT_TRUE(dialog.Tips().contains(shown));
            seen.insert(shown);
        }
        EXPECT_EQ(seen.size(), 6); // missing one in 300 draws has a probability near 1e-23
    });
}

TEST(TTipDialog, OnCloseGetsTheStateTheUserLeft) {
    TTipDialog dialog;
    dialog.SetTips(default_tips());
    dialog.SetStartupState(true);
    bool seen_on_execute = false;
    bool closed_with = true;
    int close_calls = 0;
    dialog.OnExecute = [&](QObject* sender, bool& state) {
        EXPECT_EQ(sender, &dialog);
        seen_on_execute = state;
    };
    dialog.OnClose = [&](QObject* sender, bool state) {
        EXPECT_EQ(sender, &dialog);
        closed_with = state;
        ++close_calls;
    };
    execute_with(dialog, [](Tfrm_TipOfTheDay& form) { startup_box(form)->click(); });
    EXPECT_TRUE(seen_on_execute);
    EXPECT_EQ(close_calls, 1);
    EXPECT_FALSE(closed_with);
    EXPECT_FALSE(dialog.StartupState());
}

TEST(TTipDialog, OnExecuteMayChangeTheStartupState) {
    TTipDialog dialog;
    dialog.SetStartupState(true);
    dialog.OnExecute = [](QObject*, bool& state) { state = false; };
    execute_with(dialog, [](Tfrm_TipOfTheDay& form) { EXPECT_FALSE(startup_box(form)->isChecked()); });
    EXPECT_FALSE(dialog.StartupState());
}

TEST(TTipDialog, PropertiesAreViewsOntoTheForm) {
    TTipDialog dialog;
    EXPECT_EQ(dialog.Version(), QStringLiteral("2.11"));
    dialog.setProperty("Version", QStringLiteral("3.0"));
    dialog.SetVersion(QStringLiteral("3.0"));
    EXPECT_EQ(dialog.Version(), QStringLiteral("2.11"));

    Tfrm_TipOfTheDay& form = dialog.Form();
    EXPECT_EQ(dialog.Caption(), QStringLiteral("Tip of the Day"));
    EXPECT_EQ(dialog.Header(), QStringLiteral("Did you know..."));
    EXPECT_EQ(dialog.NextButton(), QStringLiteral("&Next"));
    EXPECT_EQ(dialog.CloseButton(), QStringLiteral("&Close"));
    EXPECT_EQ(dialog.StartupCaption(), QStringLiteral("&Show tips at startup"));
    EXPECT_EQ(dialog.BackColor(), QColor(Qt::white));
    EXPECT_EQ(dialog.BorderStyle(), Tfrm_TipOfTheDay::bsDialog);

    dialog.setProperty("Caption", QStringLiteral("Hint"));
    EXPECT_EQ(dialog.Form().windowTitle(), QStringLiteral("Hint"));
    dialog.SetHeader(QStringLiteral("Know what?"));
    EXPECT_EQ(child<QLabel>(form, "lbl_DidYouKnow")->text(), QStringLiteral("Know what?"));
    dialog.SetImageBackColor(QColor(255, 255, 225));
    EXPECT_EQ(child<QWidget>(form, "Panel_Image")->palette().color(QPalette::Window), QColor(255, 255, 225));
    EXPECT_EQ(child<QWidget>(form, "Panel_Separator")->palette().color(QPalette::Window),
              QColor(255, 255, 225));
    EXPECT_EQ(dialog.ImageBackColor(), QColor(255, 255, 225));

    QPixmap picture(40, 24);
    picture.fill(Qt::red);
    dialog.SetImage(picture);
    picture.fill(Qt::blue); // the dialog holds its own copy
    EXPECT_EQ(child<QLabel>(form, "Image")->size(), QSize(40, 24));
    EXPECT_EQ(dialog.Image().toImage().pixelColor(0, 0), QColor(Qt::red));

    QStringList tips{QStringLiteral("a")};
    dialog.SetTips(tips);
    tips.push_back(QStringLiteral("b"));
    EXPECT_EQ(dialog.Tips(), QStringList{QStringLiteral("a")});
}

TEST(TTipDialog, FormLayout) {
    Tfrm_TipOfTheDay form;
    EXPECT_EQ(form.size(), QSize(432, 220));
    const struct {
        const char* name;
        QRect geometry;
    } widgets[] = {{"Panel", {8, 8, 417, 177}},         {"Panel_Image", {1, 1, 72, 175}},
                   {"Image", {20, 16, 32, 32}},         {"lbl_Tip", {8, 48, 329, 121}},
                   {"btn_Next", {272, 190, 75, 25}},    {"btn_Close", {352, 190, 75, 25}},
                   {"Panel_Separator", {0, 41, 343, 2}}};
    for (const auto& w : widgets) {
        const auto* child = form.findChild<QWidget*>(QString::fromLatin1(w.name));
        ASSERT_NE(child, nullptr) << w.name;
        EXPECT_EQ(child->geometry(), w.geometry) << w.name;
    }
    EXPECT_EQ(startup_box(form)->pos(), QPoint(8, 195));
    EXPECT_TRUE(tip_label(form)->wordWrap());
    EXPECT_EQ(child<QLabel>(form, "lbl_DidYouKnow")->font().pixelSize(), 21);
    EXPECT_TRUE(child<QLabel>(form, "lbl_DidYouKnow")->font().bold());
}

} // namespace
