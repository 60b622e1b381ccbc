#include "core/errors.h"
#include "core/store/profile_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <functional>

namespace dorvik {
namespace {

using dorvik::testing::FileSizeLimit;
using dorvik::testing::ReadBytes;
using dorvik::testing::TempFolder;
using dorvik::testing::WriteBytes;
using Entries = std::vector<std::string>;
using namespace std::string_literals;

class ProfileFile : public ::testing::Test {
protected:
    std::filesystem::path Write(std::string_view bytes) {
        WriteBytes(file_, bytes);
        return file_;
    }

    TempFolder temp_;
    std::filesystem::path file_ = temp_ / "query.dvk";
};

TEST_F(ProfileFile, ReadsTheSectionWithThePlatformRules) {
    Write("BegFreq=1\r\n" // before any section: ignored
          "[other]\r\nBegFreq=2\r\n"
          "  [ DATA ]  \r\n"
          "begfreq =  30 \t\r\n"
          "EndFreq=50\r\n"
          "BEGFREQ=99\r\n" // a later occurrence does not count
          "no equals sign\r\n"
          "=no key\r\n"
          "C1=N Male=7/16\r\n" // the value is everything after the first "="
          "C2=\r\n"
          "[data]\r\nMaxLoss=5\r\n" // a second section of the name does not count
          "[next]\r\nLength=7\r\n");
    EXPECT_EQ(ReadIniSection("data", file_), (Entries{"begfreq=30", "EndFreq=50", "C1=N Male=7/16", "C2="}));
    EXPECT_EQ(ReadIniSection("Other", file_), (Entries{"BegFreq=2"}));
    EXPECT_TRUE(ReadIniSection("missing", file_).empty());
    EXPECT_TRUE(ReadIniSection("data", temp_ / "no such file.dvk").empty());
}

TEST_F(ProfileFile, ReadsAnyLineEnd) {
    for (const std::string_view bytes :
         {"[data]\nA=1\nB=2", "[data]\rA=1\rB=2\r", "[data]\r\nA=1\r\nB=2\r\n"}) {
        Write(bytes);
        EXPECT_EQ(ReadIniSection("data", file_), (Entries{"A=1", "B=2"})) << bytes;
    }
}

TEST(ReadValueOrDefault, MatchesTheKeyInAnyCaseAndFallsBackOnMissingOrEmpty) {
    const Entries list{"BegFreq=30", "C1=", "Units=F", "units=M", "Foam"};
    struct Case {
        std::string_view key;
        std::string_view expected;
    };
    for (const auto& c :
         {Case{"BegFreq", "30"}, Case{"BEGFREQ", "30"}, Case{"C1", "dflt"}, Case{"Units", "F"},
          Case{"EndFreq", "dflt"}, Case{"Foam", "dflt"}, Case{"Beg", "dflt"}}) {
        EXPECT_EQ(ReadValueOrDefault(list, c.key, "dflt"), c.expected) << c.key;
    }
    EXPECT_EQ(ReadValueOrDefault({}, "x", ""), "");
}

TEST_F(ProfileFile, WritingCreatesTheFileWithCrLfLines) {
    WriteIniSection(file_, "data", {"BegFreq=30", "EndFreq=50", "C1=", "Units=F"});
    EXPECT_EQ(ReadBytes(file_), "[data]\r\nBegFreq=30\r\nEndFreq=50\r\nC1=\r\nUnits=F\r\n");
}

TEST_F(ProfileFile, WritingReplacesKeysInPlaceAndKeepsEverythingElse) {
    Write("; a note\n"
          "[Data]\n"
          "BEGFREQ=1\n"
          "Extra=kept\n"
          "begfreq=2\n"
          "\n"
          "[other]\n"
          "BegFreq=9\n");
    WriteIniSection(file_, "data", {"BegFreq=30", "NewKey=1"});
    EXPECT_EQ(ReadBytes(file_), "; a note\n"
                                "[Data]\n"
                                "BegFreq=30\n"
                                "Extra=kept\n"
                                "begfreq=2\n"
                                "NewKey=1\n" // at the end of the section, before its blank line
                                "\n"
                                "[other]\n"
                                "BegFreq=9\n");
}

// Every byte that is not a line of a key being set stays as it was: lone CRs, mixed line ends, a last line
// without a line end, and what follows a NUL (which the reader never sees, so the keys go before it).
TEST_F(ProfileFile, WritingKeepsEveryOtherByte) {
    struct Case {
        std::string before, after;
    };
    const Case cases[] = {
        {"[notes]\r\nx=a\rc\n[data]\nBegFreq=1\r\nC1=N\rtail\0after\nBegFreq=9\n"s,
         "[notes]\r\nx=a\rc\n[data]\nBegFreq=30\r\nC1=N\rtail\r\nNew=2\0after\nBegFreq=9\n"s},
        {"[data]\r\nBegFreq=1\r\n\0\r\n[data]\r\nNew=1\r\n"s,
         "[data]\r\nBegFreq=30\r\nNew=2\r\n\0\r\n[data]\r\nNew=1\r\n"s},
        {"[data]\nBegFreq=1", "[data]\nBegFreq=30\nNew=2"},
        {"[data]\nBegFreq=1\n", "[data]\nBegFreq=30\nNew=2\n"},
        {"; only a note", "; only a note\r\n[data]\r\nBegFreq=30\r\nNew=2"},
        {"[a]\nk=v\n", "[a]\nk=v\n[data]\nBegFreq=30\nNew=2\n"},
        {"", "[data]\r\nBegFreq=30\r\nNew=2\r\n"},
    };
    for (const auto& c : cases) {
        Write(c.before);
        WriteIniSection(file_, "data", {"BegFreq=30", "New=2"});
        EXPECT_EQ(ReadBytes(file_), c.after) << c.before;
    }
}

TEST_F(ProfileFile, WritingAddsAMissingSectionAtTheEnd) {
    Write("[other]\r\nx=1\r\n");
    WriteIniSection(file_, "data", {"A=1"});
    WriteIniSection(file_, "DATA", {"B=2"});
    EXPECT_EQ(ReadBytes(file_), "[other]\r\nx=1\r\n[data]\r\nA=1\r\nB=2\r\n");
}

TEST_F(ProfileFile, SavedEntriesReadBackInOrder) {
    const Entries entries{"BegFreq=30",   "EndFreq=50", "C1=N Male",      "C2=7/16 DIN Female",
                          "MaxLoss=0",    "Length=0",   "VSWR=1.1",       "Units=F",
                          "Foam=True",    "Air=True",   "Waveguide=True", "ByFreq=True",
                          "ByLoss=False", "ByC1=False", "ByC2=False"};
    WriteIniSection(file_, "data", entries);
    WriteIniSection(file_, "data", entries); // saving over the file changes nothing
    EXPECT_EQ(ReadIniSection("data", file_), entries);
}

TEST_F(ProfileFile, LineBreaksInAValueCannotAddKeysOrSections) {
    WriteIniSection(file_, "data", {"C1=N\r\n[evil]\r\nByFreq=True", "ByFreq=False"});
    EXPECT_EQ(ReadIniSection("data", file_), (Entries{"C1=N  [evil]  ByFreq=True", "ByFreq=False"}));
    EXPECT_TRUE(ReadIniSection("evil", file_).empty());
}

TEST_F(ProfileFile, AFailedSaveThrowsAndLeavesTheEarlierFile) {
    Write("[data]\r\nBegFreq=30\r\n");
    const auto before = ReadBytes(file_);
    try {
        const FileSizeLimit limit(before.size() + 8);
        WriteIniSection(file_, "data", {"C1=" + std::string(200, 'x')});
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + file_.string());
    }
    EXPECT_EQ(ReadBytes(file_), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp_.Path()), {}), 1);
}

TEST_F(ProfileFile, ASaveIntoAMissingFolderThrows) {
    WriteBytes(temp_ / "plain", "a file, not a folder");
    const auto file = temp_ / "plain" / "update.ini";
    try {
        WriteProfileString(file, "UPDATE", "date", "01/01/2030");
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + file.string());
    }
}

TEST_F(ProfileFile, ProfileStringsGiveTheDefaultOnlyForAMissingKey) {
    const auto ini = temp_ / "update.ini";
    EXPECT_EQ(ReadProfileString(ini, "UPDATE", "days", "30"), "30");
    EXPECT_FALSE(FindProfileValue(ini, "UPDATE", "date").has_value());
    WriteProfileString(ini, "UPDATE", "date", "12/31/2030");
    WriteProfileString(ini, "update", "days", " 45 ");
    WriteProfileString(ini, "UPDATE", "autoupdate", "");
    EXPECT_EQ(ReadBytes(ini), "[UPDATE]\r\ndate=12/31/2030\r\ndays= 45 \r\nautoupdate=\r\n");
    EXPECT_EQ(ReadProfileString(ini, "Update", "DATE", "x"), "12/31/2030");
    EXPECT_EQ(ReadProfileString(ini, "UPDATE", "days", "30"), "45");
    EXPECT_EQ(ReadProfileString(ini, "UPDATE", "autoupdate", "0"), "");
    EXPECT_EQ(FindProfileValue(ini, "UPDATE", "autoupdate"), std::optional<std::string>(""));
}

TEST_F(ProfileFile, NamesThatCouldNotBeReadBackAreRefusedAndNothingIsWritten) {
    Write("[data]\r\nBegFreq=30\r\n");
    const auto before = ReadBytes(file_);
    const std::vector<std::function<void()>> refused{
        [&] {
            WriteIniSection(file_, "data", {"C1=1", "[evil=1"});
        },
        [&] { WriteIniSection(file_, "data", {"  [evil  =1"}); },
        [&] { WriteProfileString(file_, "data", "a=b", "1"); },
        [&] { WriteProfileString(file_, "data", "[a", "1"); },
        [&] { WriteIniSection(file_, "da]ta", {"C1=1"}); },
        [&] { WriteProfileString(file_, "x]", "a", "1"); },
    };
    for (std::size_t i = 0; i < refused.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_THROW(refused[i](), FileError);
        EXPECT_EQ(ReadBytes(file_), before);
    }
    // What the reader takes as a name is fine anywhere else in it.
    WriteIniSection(file_, "[data", {"a[b]=x=y", "k]=v"});
    EXPECT_EQ(ReadIniSection("[data", file_), (Entries{"a[b]=x=y", "k]=v"}));
    EXPECT_EQ(ReadIniSection("data", file_), Entries{"BegFreq=30"});
}

TEST_F(ProfileFile, ARepeatedKeyCountsOnceInAnyLetterCase) {
    Write("[data]\r\nk=1\r\nK=2\r\nj=3\r\nk =4\r\n");
    EXPECT_EQ(ReadIniSection("data", file_), (Entries{"k=1", "j=3"}));
    // Writing replaces the first line of the key and adds new keys once, after the section's last line.
    WriteIniSection(file_, "data", {"K=5", "new=6", "NEW=7"});
    EXPECT_EQ(ReadBytes(file_), "[data]\r\nK=5\r\nK=2\r\nj=3\r\nk =4\r\nNEW=7\r\n");
}

} // namespace
} // namespace dorvik
