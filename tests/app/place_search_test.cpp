// The prayer window's place search over the packaged place data: a city typed, listed and picked fills the
// place, its zone and its name; its country's usual method proposed, accepted or dismissed, and the choice
// kept for the place; a coordinate typed by hand is no longer the city; a first start asks for the city; and
// without the data the field says so while the rest works. The about window's credit for the data.
#include "almanac/places.h"
#include "app/info_form.h"
#include "app/place_finder.h"
#include "app/prayer_form.h"
#include "controls/spin_edit.h"
#include "tests/support/app_test.h"
#include "tests/support/text_fit.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace almadex;

namespace {

const almanac::TPlaceIndex& missing_places() {
    static const almanac::TPlaceIndex index({}, "The place data cannot be loaded: libgeonames.so.0 is gone");
    return index;
}

const char* const kAlgiersFile = "[Latitude]\nDegrees=36\nMinutes=45\nSecondes=8\nEquat=0\n\n"
                                 "[Longitude]\nDegrees=3\nMinutes=3\nSecondes=31\nGreen=1\n\n"
                                 "[Time zone]\nSig=0\nDec=01:00\n";

class PlaceSearch : public almadex::testing::AppTest {
protected:
    QTemporaryDir folder;
    TPrayerForm* form = nullptr;
    std::vector<QUrl> opened;

    QString gl() const { return folder.filePath(QStringLiteral("gl.dat")); }
    /// The program with the prayer window shown, the system's clock set to `zone`, the place data missing
    /// when `missing`.
    void create(const char* zone = "Africa/Algiers", bool missing = false) {
        start(folder.path() + QDir::separator());
        core->seams().system_zone = [zone] { return QString::fromLatin1(zone); };
        if (missing) core->seams().places = []() -> const almanac::TPlaceIndex& { return missing_places(); };
        core->seams().open_url = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        form = &core->prayer_form();
        form->show();
    }
    void close() {
        form = nullptr;
        stop();
    }

    QLineEdit* field() const { return form->place_finder()->field(); }
    QAbstractItemView* list() const { return form->place_finder()->completer()->popup(); }
    /// Types `text` into the search field, a key at a time, as a keyboard or an input method gives it.
    void type(const QString& text) const {
        field()->clear();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    /// Types `name` into the search field as a user does, and picks the first city listed.
    void pick(const char* name) {
        type(QString::fromUtf8(name));
        ASSERT_TRUE(list()->isVisible()) << name;
        QTest::keyClick(list(), Qt::Key_Down);
        QTest::keyClick(list(), Qt::Key_Return);
    }
    /// The strip's text and buttons, "" when hidden: "Usual in Algeria: ... [Use it] [Keep mine]".
    std::string strip() const {
        const TMessageStrip* s = form->place_strip();
        if (s->isHidden()) return "";
        QString out = s->text()->text();
        for (const QPushButton* b : {s->accept_button(), s->dismiss_button()})
            if (!b->isHidden()) out += QStringLiteral(" [%1]").arg(b->text());
        return out.toStdString();
    }
    /// The place as the fields show it: "35 41 57 North 0 38 9 West / Africa/Algiers / Oran".
    std::string place() const {
        QStringList out;
        for (bool lat : {true, false}) {
            for (int i = 1; i <= 3; ++i)
                out << QString::number((lat ? form->LatEdit(i) : form->LonEdit(i))->value());
            out << (lat ? form->LatEdit4() : form->LonEdit4())->currentText();
        }
        out << QStringLiteral("/") << form->zone_name() << QStringLiteral("/")
            << QString::fromStdString(core->prayer_choice().place.name);
        return out.join(u' ').toStdString();
    }
    almanac::TMethodId method() const { return core->prayer_choice().method.method; }
    void choose_method_in_menu(const char* name) const {
        if (auto* item = almadex::testing::find_child<QAction>(form, name)) item->trigger();
    }
};

// Oran typed, picked, and its country's usual method accepted or dismissed; the next time Oran is picked, the
// method settled on then is taken again without a proposal, after a restart, even after another method was
// chosen at a place typed by hand.
TEST_F(PlaceSearch, OranPickedItsCountrysMethodAcceptedOrDismissedAndRemembered) {
    const struct {
        const char* answer;
        bool accept;
        almanac::TMethodId settled;
    } rows_[] = {
        {"accepted", true, almanac::TMethodId::algeria},
        {"dismissed", false, almanac::TMethodId::almadex},
    };
    for (const auto& r : rows_) {
        QFile::remove(gl());
        almadex::testing::write_all(gl(), kAlgiersFile);
        create();
        pick("Oran");
        EXPECT_EQ(place(), "35 41 57 North 0 38 9 West / Africa/Algiers / Oran") << r.answer;
        EXPECT_EQ(form->TZValue()->text(), QStringLiteral("01:00"));
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Muslim Prayer - Oran"));
        EXPECT_EQ(strip(), "Usual in Algeria: Algeria (Ministry of Religious Affairs) [Use it] [Keep mine]");
        QTest::mouseClick(r.accept ? form->place_strip()->accept_button()
                                   : form->place_strip()->dismiss_button(),
                          Qt::LeftButton);
        EXPECT_EQ(method(), r.settled) << r.answer;
        EXPECT_EQ(strip(), "") << r.answer;
        // Another method at a place typed by hand is not Oran's.
        form->LatEdit(1)->setValue(48);
        choose_method_in_menu("method_egypt");
        ASSERT_EQ(method(), almanac::TMethodId::egypt);
        close();

        create();
        pick("Oran");
        EXPECT_EQ(method(), r.settled) << r.answer << ": kept for Oran";
        EXPECT_EQ(strip(), "") << r.answer << ": settled, not proposed again";
        close();
    }
}

// The method chosen in the menu while at a named place is the one kept for it.
TEST_F(PlaceSearch, AMethodChosenAtACityIsKeptForIt) {
    almadex::testing::write_all(gl(), kAlgiersFile);
    create();
    pick("Tunis");
    EXPECT_EQ(strip(), "Usual in Tunisia: Tunisia (Ministry of Religious Affairs) [Use it] [Keep mine]");
    choose_method_in_menu("method_mwl");
    EXPECT_EQ(strip(), "") << "the proposal is answered by the choice";
    pick("Oran");
    choose_method_in_menu("method_isna");
    pick("Tunis");
    EXPECT_EQ(method(), almanac::TMethodId::mwl);
    EXPECT_EQ(strip(), "");
}

// The list: each city with its country and Arabic name, the largest first; a line saying why none is listed,
// which Enter does not choose.
TEST_F(PlaceSearch, TheListOfMatches) {
    almadex::testing::write_all(gl(), kAlgiersFile);
    create();
    const struct {
        std::string typed;
        const char* first;
        bool choosable;
        const char* place; // the place's name after Enter
    } cases[] = {
        {"tizi",
         "Tizi Ouzou, Tizi Ouzou Province, Algeria (DZ)  \u2067\u062a\u064a\u0632\u064a "
         "\u0648\u0632\u0648\u2069",
         true, "Tizi Ouzou"},
        {"qxzqxz", "No city's name begins so", false, "Tizi Ouzou"},
        {std::string(101, 'a'), "A place's name has at most 100 characters", false, "Tizi Ouzou"},
    };
    for (const auto& c : cases) {
        type(QString::fromStdString(c.typed));
        const QAbstractItemModel* model = form->place_finder()->completer()->model();
        EXPECT_EQ(model->index(0, 0).data().toString().toStdString(), c.first) << c.typed;
        EXPECT_EQ(model->flags(model->index(0, 0)).testFlag(Qt::ItemIsEnabled), c.choosable) << c.typed;
        QTest::keyClick(field(), Qt::Key_Return);
        EXPECT_EQ(core->prayer_choice().place.name, c.place) << c.typed;
    }
}

// A coordinate typed or clicked is no longer the city: its name leaves the title and the file.
TEST_F(PlaceSearch, ACoordinateByHandIsNoLongerTheCity) {
    const struct {
        const char* what;
        std::function<void(TPrayerForm*)> change;
        bool named;
    } cases[] = {
        {"a latitude's minutes typed", [](TPrayerForm* f) { f->LatEdit(2)->setValue(40); }, false},
        {"a click on the map", [](TPrayerForm* f) { f->set_location_from_map(100, 40); }, false},
        {"another day", [](TPrayerForm* f) { f->Cal()->setDate(QDate(2025, 1, 1)); }, true},
    };
    for (const auto& c : cases) {
        QFile::remove(gl());
        almadex::testing::write_all(gl(), kAlgiersFile);
        create();
        pick("Oran");
        c.change(form);
        EXPECT_EQ(!core->prayer_choice().place.name.empty(), c.named) << c.what;
        EXPECT_EQ(form->windowTitle().contains(QStringLiteral("Oran")), c.named) << c.what;
        EXPECT_EQ(strip() != "", c.named) << c.what << ": the proposal stays only for the city";
        close();
        EXPECT_EQ(almadex::testing::read_all(gl()).contains("Name=Oran"), c.named) << c.what;
    }
}

// A first start (no gl.dat): the search has the focus and the strip proposes the city of the system's zone;
// the fields stay at 0 N 0 W until a city is chosen.
TEST_F(PlaceSearch, AFirstStartAsksForTheCity) {
    const struct {
        const char* zone;
        bool missing;
        const char* strip;
        const char* focus;
    } cases[] = {
        {"Africa/Algiers", false,
         "Where are you? Type your city above, or choose: [Algiers, Algeria] [Later]", "PlaceSearch"},
        {"Etc/UTC", false, "Where are you? Type the name of your city above. [Later]", "PlaceSearch"},
        {"Africa/Algiers", true, "Where are you? Type your latitude and longitude, or click the map. [Close]",
         "LatEdit1"},
    };
    for (const auto& c : cases) {
        QFile::remove(gl());
        create(c.zone, c.missing);
        EXPECT_EQ(strip(), c.strip) << c.zone;
        ASSERT_NE(form->focusWidget(), nullptr);
        EXPECT_EQ(form->focusWidget()->objectName().toStdString(), c.focus) << c.zone;
        EXPECT_EQ(place(), "0 0 0 North 0 0 0 West /  / ") << c.zone;
        close();
    }
    // The zone's city accepted: its place, then its country's method proposed.
    QFile::remove(gl());
    create();
    QTest::mouseClick(form->place_strip()->accept_button(), Qt::LeftButton);
    EXPECT_EQ(place(), "36 43 56 North 3 5 15 East / Africa/Algiers / Algiers");
    EXPECT_EQ(strip(), "Usual in Algeria: Algeria (Ministry of Religious Affairs) [Use it] [Keep mine]");
    close();
    // Once the file exists, no question.
    create();
    EXPECT_EQ(strip(), "");
    EXPECT_NE(form->focusWidget(), field());
}

// Without the place data the field says so and takes no text; the place typed by hand is computed.
TEST_F(PlaceSearch, WithoutThePlaceDataTheFieldSaysSoAndTheRestWorks) {
    almadex::testing::write_all(gl(), kAlgiersFile);
    create("Africa/Algiers", true);
    QTest::keyClicks(field(), QStringLiteral("Oran"));
    EXPECT_FALSE(field()->isEnabled());
    EXPECT_EQ(field()->text(), QString());
    EXPECT_EQ(field()->placeholderText(),
              QStringLiteral("Cities cannot be found by name: their data cannot be loaded"));
    EXPECT_EQ(field()->toolTip().toStdString(), missing_places().error());
    form->LatEdit(1)->setValue(48);
    form->Update1Click();
    EXPECT_EQ(form->TimeEditor()->rowCount(), 6);
    EXPECT_TRUE(messages.empty());
}

// The about window credits the place data under its licence, with a link that opens.
TEST_F(PlaceSearch, TheAboutWindowCreditsThePlaceData) {
    create();
    auto* credits = almadex::testing::find_child<QLabel>(&core->info_form(), "CreditsText");
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(credits->text().contains(QStringLiteral(">GeoNames<")));
    emit credits->linkActivated(QStringLiteral("https://creativecommons.org/licenses/by/4.0/"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(credits->text().contains(opened[0].toString()));
}

// The strip's longest proposals are read whole: on two lines where one is too short.
TEST_F(PlaceSearch, TheLongestProposalsAreReadWhole) {
    almadex::testing::write_all(gl(), kAlgiersFile);
    create();
    for (const char* city : {"New York", "Karachi", "Oran"}) {
        pick(city);
        const QLabel* text = form->place_strip()->text();
        EXPECT_EQ(almadex::testing::cut_texts(form).join(u'\n').toStdString(), "") << city;
        EXPECT_GE(text->height(), text->heightForWidth(text->width())) << city;
        EXPECT_GE(text->width(), text->wordWrap() ? 0 : text->fontMetrics().horizontalAdvance(text->text()))
            << city;
    }
}

} // namespace
