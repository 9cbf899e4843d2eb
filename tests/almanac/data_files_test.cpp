// The data files without Qt: bounded reading that says why a file could not be read, the encodings Windows
// editors save, the count of dates.dat taken only as a plain decimal number, and gl.dat's keys.
#include "almanac/data_files.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace almanac;

namespace {

std::string temp_path(const std::string& name) {
    return ::testing::TempDir() + "almanac_" + std::to_string(::getpid()) + "_" + name;
}

TEST(DataFiles, ReadingIsBoundedAndSaysWhy) {
    const std::string regular = temp_path("regular"), fifo = temp_path("fifo"), big = temp_path("big");
    std::ofstream(regular) << "[General]\nN=0\n";
    ::mkfifo(fifo.c_str(), 0600);
    {
        std::ofstream out(big, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(max_data_file_bytes));
        out.put('x'); // one byte more than the largest file read
    }
    const struct {
        std::string path;
        TFileRead::TState state;
        std::string reason;
    } cases[] = {
        {regular, TFileRead::TState::read, ""},
        {temp_path("missing"), TFileRead::TState::missing, ""},
        {fifo, TFileRead::TState::unreadable, "not a regular file"},
        {"/dev/zero", TFileRead::TState::unreadable, "not a regular file"},
        {::testing::TempDir(), TFileRead::TState::unreadable, "not a regular file"},
        {big, TFileRead::TState::unreadable, "larger than 16 MB"},
        {"/proc/self/mem", TFileRead::TState::unreadable, "Input/output error"},
    };
    for (const auto& c : cases) {
        const TFileRead r = read_data_file(c.path);
        EXPECT_EQ(r.state, c.state) << c.path;
        EXPECT_EQ(r.reason, c.reason) << c.path;
    }
    EXPECT_EQ(read_data_file(regular).bytes, "[General]\nN=0\n");
    for (const auto& p : {regular, fifo, big}) std::remove(p.c_str());
}

TEST(DataFiles, TextInTheEncodingsOfWindowsEditors) {
    const struct {
        std::string bytes, utf8;
    } cases[] = {
        {"[A]\nk=v\n", "[A]\nk=v\n"},
        {"\xEF\xBB\xBF[A]\n", "[A]\n"},
        {std::string("\xFF\xFE[\0A\0]\0\xEB\0", 10), "[A]\xC3\xAB"},
        {std::string("\xFE\xFF\0[\0A\0]\0\xEB", 10), "[A]\xC3\xAB"},
        {std::string("[\0A\0]\0", 6), "[A]"},                             // UTF-16 without its mark
        {std::string("\xFF\xFE\x3C\xD8\x86\xDF", 6), "\xF0\x9F\x8E\x86"}, // a surrogate pair
        {std::string("\xFF\xFE\x3D\xD8", 4), "\xEF\xBF\xBD"},             // a lone surrogate
        {"No\xEBl", "No\xC3\xABl"},                                       // Latin-1, the ANSI code page
        {"No\xC3\xABl", "No\xC3\xABl"},                                   // UTF-8 stays
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                 // an overlong form is not UTF-8
    };
    for (const auto& c : cases) EXPECT_EQ(ini_text_as_utf8(c.bytes), c.utf8) << c.bytes;
    EXPECT_EQ(one_line("x\n[General]\r\nN=0\t\x7f"), "x [General]  N=0  ");
}

TEST(DataFiles, TheCountOfDatesIsAPlainDecimalNumber) {
    const std::string sections = "[Date1]\nDescription=a\nValue=1\n[Date2]\nDescription=b\n[Date4]\nValue=4\n"
                                 "[Date04]\nDescription=not a date section\n[Other]\nx=y\n";
    const struct {
        std::string count;
        std::size_t entries;
        std::string damage;
    } cases[] = {
        {"N=2", 2, ""},
        {"N=1", 1, ""},
        {"N=0", 0, ""},
        {"N= 2 ", 2, ""},
        {"N=002", 2, ""},
        {"N=3", 2, "its count N=3 names more entries than its 2 date sections"},
        {"N=4", 3, "its count N=4 names more entries than its 3 date sections"},
        {"N=99999999999999999999999", 3,
         "its count N=1000000000000000000 names more entries than its 3 date sections"},
        {"N=0x10", 3, "its count N=0x10 is not a decimal number"},
        {"N=+2", 3, "its count N=+2 is not a decimal number"},
        {"N=2.0", 3, "its count N=2.0 is not a decimal number"},
        {"", 0, ""}, // no count: no entries
    };
    for (const auto& c : cases) {
        const TDatesFile f = parse_dates("[General]\n" + c.count + "\n" + sections, "now");
        EXPECT_EQ(f.entries.size(), c.entries) << c.count;
        EXPECT_EQ(f.damage, c.damage) << c.count;
    }
    const TDatesFile f = parse_dates("[General]\nN=4\n" + sections, "now");
    EXPECT_EQ(f.entries, (std::vector<TDateEntry>{{"a", "1"}, {"b", "now"}, {"No Description", "4"}}));
}

TEST(DataFiles, ATextWithoutACountIsNoDatesFile) {
    const struct {
        std::string text;
        bool readable;
    } cases[] = {
        {"", true},
        {" \r\n\t\n", true},
        {"[General]\nN=0\n", true},
        {"[General]\nN=1\n[Date1]\nDescription=a\nValue=1\n", true},
        {"[Date1]\nDescription=a\nValue=1\n", false}, // its entries would be written over
        {"[General]\nOwner=me\n", false},
        {std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     10),
         false},
        {"\x89PNG\r\n\x1a\n", false},
    };
    for (const auto& c : cases) {
        const TDatesFile f = parse_dates(c.text, "now");
        EXPECT_EQ(f.unreadable.empty(), c.readable) << c.text;
        if (!c.readable) {
            EXPECT_TRUE(f.entries.empty()) << c.text;
        }
    }
}

TEST(DataFiles, AtMostTenThousandDatesAreRead) {
    std::string text = "[General]\nN=10001\n";
    for (int k = 1; k <= 10001; ++k)
        text += "[Date" + std::to_string(k) + "]\nValue=" + std::to_string(k) + "\n";
    const TDatesFile f = parse_dates(text, "now");
    EXPECT_EQ(f.entries.size(), max_date_entries);
    EXPECT_EQ(f.entries.back().value, "10000");
    EXPECT_EQ(f.damage, "only the first 10000 entries were read");
}

TEST(DataFiles, SavingDatesKeepsTheRestAndWritesOneLineValues) {
    const std::string existing = "; note\n[General]\nN=3\nOwner=me\n[Date3]\nDescription=old\n[Other]\nk=v\n";
    const std::string text = format_dates(existing, {{"x\n[General]\nN=0", "1/1/2000"}, {"b", "2"}});
    EXPECT_NE(text.find("; note"), std::string::npos);
    EXPECT_NE(text.find("Owner=me"), std::string::npos);
    EXPECT_NE(text.find("[Other]\nk=v"), std::string::npos);
    EXPECT_NE(text.find("[Date3]\nDescription=old"), std::string::npos);
    EXPECT_NE(text.find("N=2\n"), std::string::npos);
    EXPECT_NE(text.find("[Date1]\nDescription=x [General] N=0\nValue=1/1/2000\n"), std::string::npos) << text;
    const TDatesFile back = parse_dates(text, "now");
    EXPECT_EQ(back.entries, (std::vector<TDateEntry>{{"x [General] N=0", "1/1/2000"}, {"b", "2"}}));
    EXPECT_TRUE(back.damage.empty());
}

TEST(DataFiles, LocationKeysAndTheirDefaults) {
    const TLocationFile algiers =
        parse_location("[Latitude]\r\nDegrees=36\r\nMinutes=45\r\nSecondes=8\r\n"
                       "Equat=0\r\n[Longitude]\r\nDegrees=3\r\nMinutes=3\r\n"
                       "Secondes=31\r\nGreen=1\r\n[Time zone]\r\nSig=1\r\nDec=1:00\r\n");
    EXPECT_EQ(algiers, (TLocationFile{36, 45, 8, 0, 3, 3, 31, 1, 1, "01:00"}));
    EXPECT_EQ(parse_location(format_location(algiers)), algiers);
    EXPECT_EQ(format_location({}), "[Latitude]\nDegrees=0\nMinutes=0\nSecondes=0\nEquat=0\n\n"
                                   "[Longitude]\nDegrees=0\nMinutes=0\nSecondes=0\nGreen=0\n\n"
                                   "[Time zone]\nSig=0\nDec=00:00\n");
    const TLocationFile odd = parse_location("[Latitude]\nDegrees=0x10\nMinutes=-3\nSecondes=99999999999\n"
                                             "Equat=2\n[Time zone]\nDec=24:00\n");
    EXPECT_EQ(odd, (TLocationFile{0, -3, 0, 0, 0, 0, 0, 0, 0, "00:00"}));
}

} // namespace

namespace {

TEST(DataFiles, TheUsersDataFolderFollowsXdg) {
    // Where the files live is tested through the program's wrapper (tests/app/data_files_test.cpp); the
    // command line finds the user's folder without Qt.
    const std::string data_home = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
    ::setenv("XDG_DATA_HOME", "/xdg", 1);
    EXPECT_EQ(user_data_folder(), "/xdg/Almadex");
    ::setenv("XDG_DATA_HOME", "relative", 1); // not absolute: ignored
    EXPECT_EQ(user_data_folder(), std::string(getenv("HOME")) + "/.local/share/Almadex");
    if (data_home.empty())
        ::unsetenv("XDG_DATA_HOME");
    else
        ::setenv("XDG_DATA_HOME", data_home.c_str(), 1);
}

TEST(DataFiles, TheLocationAsPlaceAndOffset) {
    const struct {
        const char* text;
        double latitude, longitude_west;
        int offset;
    } rows[] = {
        {"[Latitude]\nDegrees=36\nMinutes=45\nEquat=0\n[Longitude]\nDegrees=3\nMinutes=3\nGreen=1\n"
         "[Time zone]\nSig=0\nDec=01:00\n",
         36.75, -3.05, 3600},
        {"[Latitude]\nDegrees=33\nMinutes=27\nSecondes=36\nEquat=1\n[Longitude]\nDegrees=70\nMinutes=40\n"
         "Green=0\n[Time zone]\nSig=1\nDec=04:30\n",
         -33.46, 70 + 40 / 60.0, -16200},
        {"", 0, 0, 0},
    };
    for (const auto& r : rows) {
        const TLocationFile location = parse_location(r.text);
        EXPECT_NEAR(location_place(location).latitude, r.latitude, 1e-12) << r.text;
        EXPECT_NEAR(location_place(location).longitude_west, r.longitude_west, 1e-12) << r.text;
        EXPECT_EQ(location_offset_seconds(location), r.offset) << r.text;
    }
}

} // namespace
