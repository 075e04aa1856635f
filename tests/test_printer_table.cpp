// The printer table built from WIN.INI: which printers are admitted, how the block
// is laid out, and which printer counts as the default.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "printers/printer_table.h"
#include "tests/support/test_env.h"

namespace {

struct Printer {
    std::string device, driver, port;
    bool operator==(const Printer &o) const
    {
        return device == o.device && driver == o.driver && port == o.port;
    }
};

std::ostream &operator<<(std::ostream &out, const Printer &p)
{
    return out << "{" << p.device << "|" << p.driver << "|" << p.port << "}";
}

class PrinterTableTest : public ::testing::Test {
protected:
    void SetUp() override { ClearPrinters(); }
    void TearDown() override
    {
        if (block_ != NULL) {
            GlobalUnlock(block_);
            GlobalFree(block_);
        }
        ClearPrinters();
    }

    // Builds the table and keeps it locked for the test.
    PrinterTable *Build(const PrinterKey &wanted = {"", "", ""})
    {
        block_ = BuildPrinterTable(&wanted);
        return block_ != NULL ? static_cast<PrinterTable *>(GlobalLock(block_)) : nullptr;
    }

    static std::vector<Printer> Entries(PrinterTable *table)
    {
        std::vector<Printer> out;
        for (WORD i = 0; i < table->EntryCount; ++i) {
            PrinterEntry &e = PrinterEntries(table)[i];
            out.push_back({e.DeviceName, e.DriverName, e.PortName});
        }
        return out;
    }

    static std::string DefaultDevice(PrinterTable *table)
    {
        return PrinterEntries(table)[table->DefaultIndex].DeviceName;
    }

    HGLOBAL block_ = NULL;
};

TEST_F(PrinterTableTest, BlockIsHeaderEntriesAndStringsWithoutGaps)
{
    AddPrinter("Laser", "DISPLAY,LPT1:");
    AddPrinter("Office Jet", "DISPLAY,COM2:");
    PrinterTable *table = Build();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->EntryCount, 2);

    // 8-byte header, one entry of three references per printer, then the strings.
    size_t strings = (5 + 1 + 7 + 1 + 5 + 1) + (10 + 1 + 7 + 1 + 5 + 1);
    size_t expected = 8 + 3 * sizeof(char *) * 2 + strings;
    EXPECT_EQ(sizeof(PrinterEntry), 3 * sizeof(char *));
    EXPECT_EQ(GlobalSize(block_), expected);

    // Every string lies in the area behind the entries, back to back in table order.
    char *area = reinterpret_cast<char *>(PrinterEntries(table) + 2);
    char *next = area;
    for (WORD i = 0; i < 2; ++i) {
        PrinterEntry &e = PrinterEntries(table)[i];
        for (char *text : {e.DeviceName, e.DriverName, e.PortName}) {
            EXPECT_EQ(text, next);
            next += lstrlenA(text) + 1;
        }
    }
    EXPECT_EQ(next, reinterpret_cast<char *>(table) + expected);

    // The block keeps its address: a second lock gives the same one.
    EXPECT_EQ(GlobalLock(block_), table);
    GlobalUnlock(block_);
}

TEST_F(PrinterTableTest, ValuesAreSplitAtCommasAndBlanks)
{
    struct Case {
        const char *device;
        const char *value;
        bool admitted;
        const char *driver;
        const char *port;
    } cases[] = {
        {"Extra Fields", "DISPLAY,LPT1:,15,45", true, "DISPLAY", "LPT1:"},
        // (Wine itself reads the driver up to the first comma, so the driver keeps no blanks.)
        {"Blanks Too", "DISPLAY, , ,LPT2: more", true, "DISPLAY", "LPT2:"},
        {"Port Cut At Comma", "DISPLAY,FILE:,x", true, "DISPLAY", "FILE:"},
        {"Driver Only", "DISPLAY", false, "", ""},
        {"Only Separators", " , ,", false, "", ""},
        {"Empty", "", false, "", ""},
        {"Unknown Driver", "NOSUCHDRV,LPT1:", false, "", ""},
    };
    std::vector<Printer> expected;
    for (const Case &c : cases) {
        AddPrinter(c.device, c.value);
        if (c.admitted)
            expected.push_back({c.device, c.driver, c.port});
    }
    PrinterTable *table = Build();
    ASSERT_NE(table, nullptr);
    std::vector<Printer> got = Entries(table);
    // The platform lists keys in its own order; compare as sets.
    ASSERT_EQ(got.size(), expected.size()) << ::testing::PrintToString(got);
    for (const Printer &p : expected)
        EXPECT_NE(std::find(got.begin(), got.end(), p), got.end()) << p;
}

TEST_F(PrinterTableTest, NoUsablePrinterGivesNoTable)
{
    EXPECT_EQ(Build(), nullptr);  // no [devices] keys at all
    AddPrinter("Broken", "NOSUCHDRV,LPT1:");
    AddPrinter("Half", "DISPLAY");
    EXPECT_EQ(Build(), nullptr);
}

TEST_F(PrinterTableTest, EachPrinterIsProbedOnce)
{
    AddPrinter("One", "DISPLAY,LPT1:");
    AddPrinter("Two", "DISPLAY,LPT2:");
    AddPrinter("Dead", "NOSUCHDRV,LPT3:");
    AddPrinter("No Port", "DISPLAY");  // never reaches the probe
    unsigned before = PrinterProbeCount();
    PrinterTable *table = Build();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->EntryCount, 2);
    EXPECT_EQ(PrinterProbeCount() - before, 3u);
}

TEST_F(PrinterTableTest, DefaultPrinterMatchesAllThreeNamesExactly)
{
    struct Case {
        const char *defaultValue;  // NULL: no [Windows] device key
        const char *expectedDefault;
    } cases[] = {
        {"Office Jet,DISPLAY,COM2:", "Office Jet"},
        {"Office Jet,DISPLAY COM2:", "Office Jet"},  // driver and port may end at a blank
        {"office jet,DISPLAY,COM2:", nullptr},       // capitals differ
        {"Office Jet,OTHER,COM2:", nullptr},          // driver differs
        {"Office Jet,DISPLAY,LPT1:", nullptr},        // port differs
        {"Office Jet,DISPLAY", nullptr},              // too few fields
        {"Dead,NOSUCHDRV,LPT3:", nullptr},            // not usable, so not in the table
        {nullptr, nullptr},
    };
    AddPrinter("Laser", "DISPLAY,LPT1:");
    AddPrinter("Office Jet", "DISPLAY,COM2:");
    AddPrinter("Dead", "NOSUCHDRV,LPT3:");
    for (const Case &c : cases) {
        SetWinIniDefaultPrinter(c.defaultValue);
        PrinterTable *table = Build();
        ASSERT_NE(table, nullptr);
        if (c.expectedDefault != nullptr)
            EXPECT_EQ(DefaultDevice(table), c.expectedDefault) << c.defaultValue;
        else
            EXPECT_EQ(table->DefaultIndex, 0) << (c.defaultValue ? c.defaultValue : "(none)");
        // Nobody asked for a printer, so the selection follows the default.
        EXPECT_EQ(table->PrinterIndex, table->DefaultIndex);
        GlobalUnlock(block_);
        GlobalFree(block_);
        block_ = NULL;
    }
}

TEST_F(PrinterTableTest, WantedPrinterAndDefaultFallBackOnEachOther)
{
    AddPrinter("Laser", "DISPLAY,LPT1:");
    AddPrinter("Office Jet", "DISPLAY,COM2:");
    SetWinIniDefaultPrinter("Office Jet,DISPLAY,COM2:");
    PrinterTable *table = Build({"Laser", "DISPLAY", "LPT1:"});
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(PrinterEntries(table)[table->PrinterIndex].DeviceName, "Laser");
    EXPECT_EQ(DefaultDevice(table), "Office Jet");
    GlobalUnlock(block_);
    GlobalFree(block_);

    SetWinIniDefaultPrinter(NULL);
    table = Build({"Laser", "DISPLAY", "LPT1:"});
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(PrinterEntries(table)[table->PrinterIndex].DeviceName, "Laser");
    EXPECT_EQ(table->DefaultIndex, table->PrinterIndex);
}

TEST_F(PrinterTableTest, OnlyNamesThatFitTheKeyListAreSeen)
{
    // 40 names of 63 characters: 2560 bytes of key list, but only 2048 are read.
    // (Names stay short: Wine 8 crashes in CreateDCA on device names of 79 or more.)
    std::vector<std::string> names;
    for (char c = 'A'; c < 'A' + 40; ++c) {
        names.push_back(std::string(62, c) + "x");
        AddPrinter(names.back().c_str(), "DISPLAY,LPT1:");
    }
    PrinterTable *table = Build();
    ASSERT_NE(table, nullptr);
    // 31 whole names fit in 2048 bytes; a cut 32nd name is no key and finds no value.
    EXPECT_EQ(table->EntryCount, 31);
    for (const Printer &p : Entries(table))
        EXPECT_NE(std::find(names.begin(), names.end(), p.device), names.end()) << p.device;
}

TEST_F(PrinterTableTest, TableStopsGrowingBelowSixtyFourKilobytes)
{
    // Short names and long ports: many printers fit the key list, and together
    // they would need more than 65,535 bytes.
    const std::string port = "P" + std::string(70, 'p');  // 71 characters
    const std::string value = "DISPLAY," + port;
    int added = 0;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z' && added < 680; ++b, ++added)
            AddPrinter((std::string() + a + b).c_str(), value.c_str());
    PrinterTable *table = Build();
    ASSERT_NE(table, nullptr);
    size_t perPrinter = 3 * sizeof(char *) + 3 + 8 + 72;
    size_t fit = (0xFFFF - 8) / perPrinter;
    ASSERT_LT(fit, 680u) << "the case must overflow 16 bits without the bound";
    EXPECT_EQ(table->EntryCount, fit);
    EXPECT_EQ(GlobalSize(block_), 8 + fit * perPrinter);
}

TEST(FindPrinterEntry, EmptyTableFindsNothing)
{
    PrinterTable empty = {0, kNoIndex, kNoIndex, kNoIndex};
    PrinterKey key = {"Laser", "DISPLAY", "LPT1:"};
    EXPECT_EQ(FindPrinterEntry(&key, &empty), kNoIndex);
}

}  // namespace
