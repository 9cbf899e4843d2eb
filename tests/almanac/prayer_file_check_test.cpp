// The values of the location file that do not read as written are found, each once, and nothing else is.
#include "almanac/prayer_file_check.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace almanac;

namespace {

const std::string kPlace = "[Latitude]\nDegrees=36\nMinutes=45\nSecondes=0\nEquat=0\n"
                           "[Longitude]\nDegrees=3\nMinutes=3\nSecondes=0\nGreen=1\n";

TEST(PrayerFileCheck, ValuesThatReadAsSomethingElseAreFound) {
    const struct {
        std::string text;
        std::vector<std::string> faults;
    } cases[] = {
        {"", {}},
        {kPlace + "[Time zone]\nSig=0\nDec=01:00\n", {}},
        {kPlace + "[Time zone]\nSig=0\nDec=1:00\n", {}}, // read as 01:00
        {kPlace + "[Time zone]\nSig=0\nDec=12:75\n", {"Dec=12:75"}},
        {kPlace + "[Time zone]\nSig=2\nDec=24:00\n", {"Sig=2", "Dec=24:00"}},
        {"[Latitude]\nDegrees=+36\nMinutes=4x\nEquat=1\n", {"Minutes=4x"}},
        {"[Prayer method]\nMethod=mwl\nAsr=hanafi\nDhuhr=2\nAdjust=1,0,0,0,0,-3\nRound=1\nFajrAngle=18.0\n",
         {}},
        {"[Prayer method]\nMethod=astrology\nAsr=hanafi\n", {"Method=astrology"}},
        {"[Prayer method]\nFajrAngle=99\nDhuhr=500\nRound=2\n", {"FajrAngle=99", "Dhuhr=500", "Round=2"}},
        {"[Prayer method]\nAdjust=1,2,3\n", {"Adjust=1,2,3"}},
        {std::string("[Prayer method]\nIshaAngle=1\x01"
                     "7\n",
                     30),
         {"IshaAngle=1 7"}}, // shown on one line
        {std::string("[Prayer method]\nIshaAngle=1\0"
                     "7\n",
                     30),
         {"IshaAngle=1 7"}},
        {"[Prayer zone]\nName=Europe/Paris\n", {}},
        {"[Prayer zone]\nName=Mars/Olympus\n", {"Name=Mars/Olympus"}},
        {"[Prayer method]\nFuture=1\n[Other]\nMethod=x\n", {}}, // keys and sections the program does not know
    };
    for (const auto& c : cases) EXPECT_EQ(prayer_file_faults(c.text), c.faults) << c.text;
}

} // namespace
