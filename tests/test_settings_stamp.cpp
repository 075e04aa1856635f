#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "config/kovelt_ini.h"
#include "config/settings_stamp.h"
#include "config/setup_selection.h"
#include "tests/support/test_env.h"

static const char kSuiteDirectory[] = "C:\\kovelt";
static const char kSettings[] = "C:\\kovelt\\settings\\";
static const char kPrinterText[] = "Office Laser, DISPLAY, LPT1:";
static const char kFaxText[] = "Office Fax, FAXDRV, COM2:";

// The platform keeps profile files cached; files changed behind its back must be
// dropped from the cache before they are read through it again.
static void ForgetProfile(const std::string &file)
{
    WritePrivateProfileStringA(NULL, NULL, NULL, file.c_str());
}

// Every file in a directory, by name, with its bytes.
static std::map<std::string, std::string> Snapshot(const std::string &directory)
{
    std::map<std::string, std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[found.cFileName] = ReadWholeFile(directory + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

class SettingsStamp : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clean();
        lstrcpyA(g_selection.PrinterText, kPrinterText);
        lstrcpyA(g_selection.FaxText, kFaxText);
    }
    void TearDown() override { Clean(); }

    void Clean()
    {
        for (const std::string &file : written)
            ForgetProfile(file);
        RemoveTree(kSuiteDirectory);
        RemoveKoveltIni();
    }

    // Creates a settings file with the given text.
    std::string Put(const std::string &path, const std::string &text)
    {
        size_t slash = path.rfind('\\');
        MakeDirectories(path.substr(0, slash));
        ForgetProfile(path);
        WriteWholeFile(path, text);
        written.push_back(path);
        return path;
    }

    void Stamp()
    {
        StampSettingsFiles();
        for (const std::string &file : written)
            ForgetProfile(file);
    }

    std::vector<std::string> written;
};

TEST_F(SettingsStamp, WritesEveryMatchAndKeepsEverythingElse)
{
    std::string a = Put(std::string(kSettings) + "a.cpy",
                        "[CopyUtility]\r\nPrinter=Old Printer, OLD, LPT2:\r\nCopies=2\r\n"
                        "[Layout]\r\nMargins=5\r\n");
    std::string b = Put(std::string(kSettings) + "b.cpy", "");
    std::string x = Put(std::string(kSettings) + "x.fax",
                        "[FaxUtility]\r\nFAX=Old Fax, OLD, COM1:\r\nSpeed=9600\r\n");
    std::string other = Put(std::string(kSettings) + "notes.txt", "[CopyUtility]\r\nPrinter=x\r\n");

    Stamp();

    EXPECT_EQ(GetProfile(a, "CopyUtility", "Printer"), kPrinterText);
    EXPECT_EQ(GetProfile(a, "CopyUtility", "Copies"), "2");
    EXPECT_EQ(GetProfile(a, "Layout", "Margins"), "5");
    EXPECT_EQ(GetProfile(a, "FaxUtility", "FAX"), "<missing>");
    EXPECT_EQ(GetProfile(b, "CopyUtility", "Printer"), kPrinterText);
    EXPECT_EQ(GetProfile(x, "FaxUtility", "FAX"), kFaxText);
    EXPECT_EQ(GetProfile(x, "FaxUtility", "Speed"), "9600");
    EXPECT_EQ(GetProfile(x, "CopyUtility", "Printer"), "<missing>");
    EXPECT_EQ(ReadWholeFile(other), "[CopyUtility]\r\nPrinter=x\r\n");
    // The patterns are only read: no KOVELT.INI appears.
    EXPECT_FALSE(KoveltIniExists());

    // A second run with the same choices changes nothing.
    std::map<std::string, std::string> afterFirst = Snapshot(kSettings);
    Stamp();
    EXPECT_EQ(Snapshot(kSettings), afterFirst);
}

TEST_F(SettingsStamp, APassWithoutMatchesLeavesTheOtherToRun)
{
    // Each pass reads its own pattern; the other one points at files of its kind.
    struct Case {
        const char *copyPattern;
        const char *faxPattern;
        bool copyWritten;
        bool faxWritten;
    } cases[] = {
        {"C:\\kovelt\\copy\\*.cpy", "C:\\kovelt\\fax\\*.fax", true, true},
        {"C:\\kovelt\\empty\\*.cpy", "C:\\kovelt\\fax\\*.fax", false, true},
        {"C:\\kovelt\\copy\\*.cpy", "C:\\kovelt\\nowhere\\*.fax", true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.copyPattern) + " / " + c.faxPattern);
        std::string copy = Put("C:\\kovelt\\copy\\one.cpy", "");
        std::string fax = Put("C:\\kovelt\\fax\\one.fax", "");
        // Files the default patterns would find, which these patterns must not.
        std::string stray = Put(std::string(kSettings) + "stray.cpy", "");
        std::string strayFax = Put(std::string(kSettings) + "stray.fax", "");
        MakeDirectories("C:\\kovelt\\empty");
        SetKovelt(kSectionCopyUtility, kKeySettingPattern, c.copyPattern);
        SetKovelt(kSectionFaxUtility, kKeySettingPattern, c.faxPattern);

        Stamp();

        EXPECT_EQ(GetProfile(copy, "CopyUtility", "Printer"),
                  c.copyWritten ? kPrinterText : "<missing>");
        EXPECT_EQ(GetProfile(fax, "FaxUtility", "FAX"), c.faxWritten ? kFaxText : "<missing>");
        EXPECT_EQ(ReadWholeFile(stray), "");
        EXPECT_EQ(ReadWholeFile(strayFax), "");
        Clean();
    }
}

TEST(SettingsDirectory, KeepsTheDirectoryWhateverTheFilePartsLength)
{
    struct Case {
        const char *pattern;
        bool cut;
        const char *result;
    } cases[] = {
        {"c:\\kovelt\\settings\\*.cpy", true, "c:\\kovelt\\settings\\"},
        {"c:/suite/*.fax", true, "c:/suite/"},
        {"c:*.cpy", true, "c:"},
        // No directory left: a bare name would be looked for in the Windows directory.
        {"*.cpy", false, "*.cpy"},
        {"*.c", false, "*.c"},
        {"", false, ""},
        // A file part of another length still leaves the directory.
        {"c:\\kovelt\\settings\\*.cpyx", true, "c:\\kovelt\\settings\\"},
        {"c:\\kovelt\\settings\\*.cp", true, "c:\\kovelt\\settings\\"},
        {"c:\\kovelt\\settings\\copy*.cpy", true, "c:\\kovelt\\settings\\"},
    };
    for (const Case &c : cases) {
        char pattern[kSettingPatternSize];
        lstrcpyA(pattern, c.pattern);
        EXPECT_EQ(CutToSettingsDirectory(pattern), c.cut) << c.pattern;
        EXPECT_STREQ(pattern, c.result);
    }
}

TEST_F(SettingsStamp, NeverWritesAFileOtherThanTheMatch)
{
    // A file part of four characters: cutting five would give "...\settin" and
    // the stamp would create "settina.cp" beside the settings directory; the
    // match itself gets the stamp.
    std::string shortPart = Put(std::string(kSettings) + "a.cp", "");
    SetKovelt(kSectionCopyUtility, kKeySettingPattern, "C:\\kovelt\\settings\\*.cp");

    // A match whose full path is 260 characters: cut to 259 it would name another
    // file. Such a name can only be made through the wide API.
    std::wstring longName = std::wstring(260 - lstrlenA(kSettings) - 4, L'L') + L".fax";
    std::wstring longPath = L"\\\\?\\C:\\kovelt\\settings\\" + longName;
    HANDLE file = CreateFileW(longPath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    // The longest path that fits is still written.
    std::string fits = Put(std::string(kSettings) + std::string(259 - lstrlenA(kSettings) - 4, 'F') +
                               ".fax",
                           "");
    ASSERT_EQ(fits.size(), 259u);

    std::map<std::string, std::string> before = Snapshot(kSettings);
    Stamp();
    std::map<std::string, std::string> after = Snapshot(kSettings);

    EXPECT_EQ(GetProfile(shortPart, "CopyUtility", "Printer"), kPrinterText);
    EXPECT_EQ(GetProfile(fits, "FaxUtility", "FAX"), kFaxText);
    WIN32_FILE_ATTRIBUTE_DATA longFile;
    ASSERT_TRUE(GetFileAttributesExW(longPath.c_str(), GetFileExInfoStandard, &longFile));
    EXPECT_EQ(longFile.nFileSizeLow, 0u);
    // No file appeared anywhere under the suite's directory.
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(Snapshot("C:\\kovelt\\").size(), 0u);
}
