// The printer and fax lists of the first page, filled from a small printer table
// made by hand, on the real page template (with a dialog procedure that does
// nothing, so only the list fillers act on it).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/kovelt_ini.h"
#include "printers/printer_lists.h"
#include "printers/printer_table.h"
#include "resources/resource_ids.h"
#include "tests/support/test_env.h"

namespace {

// A printer table laid out as the wizard's: header, then the entries. The strings
// live in the test's own storage.
class HandTable {
public:
    HandTable(std::vector<std::vector<std::string>> printers, WORD defaultIndex = 0)
        : names_(std::move(printers)),
          block_(kPrinterHeaderSize + names_.size() * sizeof(PrinterEntry))
    {
        PrinterTable *table = Get();
        table->EntryCount = static_cast<WORD>(names_.size());
        table->PrinterIndex = kNoIndex;
        table->FaxIndex = kNoIndex;
        table->DefaultIndex = defaultIndex;
        for (size_t i = 0; i < names_.size(); ++i) {
            PrinterEntries(table)[i] = {&names_[i][0][0], &names_[i][1][0], &names_[i][2][0]};
        }
    }
    PrinterTable *Get() { return reinterpret_cast<PrinterTable *>(block_.data()); }

private:
    std::vector<std::vector<std::string>> names_;
    std::vector<BYTE> block_;
};

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

class PrinterLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveKoveltIni();
        page_ = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_SELECTION), NULL,
                                   InertDialogProc, 0);
        ASSERT_NE(page_, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(page_);
        RemoveKoveltIni();
    }

    std::vector<std::string> Items(int id)
    {
        std::vector<std::string> items;
        int count = (int)SendDlgItemMessageA(page_, id, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            char text[400];
            SendDlgItemMessageA(page_, id, CB_GETLBTEXT, i, (LPARAM)text);
            items.push_back(text);
        }
        return items;
    }
    int Selected(int id) { return (int)SendDlgItemMessageA(page_, id, CB_GETCURSEL, 0, 0); }

    HWND page_ = NULL;
};

const std::vector<std::vector<std::string>> kThreePrinters = {
    {"Zeta Laser", "DISPLAY", "LPT1:"},
    {"Alpha Fax", "FAXDRV", "COM2:"},
    {"Beta", "HPPCL", "LPT2:"},
};

}  // namespace

TEST_F(PrinterLists, ItemsShowDeviceDriverPortInTableOrder)
{
    HandTable table(kThreePrinters);
    FillPrinterCombo(page_, table.Get(), IDC_PRINTER_LIST);
    FillPrinterCombo(page_, table.Get(), IDC_FAX_LIST);
    const std::vector<std::string> expected = {
        "Zeta Laser, DISPLAY, LPT1:", "Alpha Fax, FAXDRV, COM2:", "Beta, HPPCL, LPT2:"};
    EXPECT_EQ(Items(IDC_PRINTER_LIST), expected);
    EXPECT_EQ(Items(IDC_FAX_LIST), expected);
}

TEST_F(PrinterLists, PrinterListPreselectsTheDefaultPrinter)
{
    HandTable table(kThreePrinters, 2);
    table.Get()->PrinterIndex = 0;
    InitPrinterList(page_, table.Get());
    EXPECT_EQ(Selected(IDC_PRINTER_LIST), 2);
    EXPECT_EQ(table.Get()->PrinterIndex, 2);
    char text[kDeviceTextSize];
    GetDlgItemTextA(page_, IDC_PRINTER_LIST, text, sizeof text);
    EXPECT_STREQ(text, "Beta, HPPCL, LPT2:");
}

TEST_F(PrinterLists, SinglePrinterIsInBothListsAndPreselectedInBoth)
{
    HandTable table({{"Only", "DISPLAY", "LPT1:"}});
    SetKovelt(kSectionFaxDevices, kKeyFaxCount, "2");
    SetKovelt(kSectionFaxDevices, "Fax1", "Elsewhere");
    InitPrinterList(page_, table.Get());
    InitFaxList(page_, table.Get());
    EXPECT_EQ(Items(IDC_PRINTER_LIST), std::vector<std::string>{"Only, DISPLAY, LPT1:"});
    EXPECT_EQ(Items(IDC_FAX_LIST), std::vector<std::string>{"Only, DISPLAY, LPT1:"});
    EXPECT_EQ(Selected(IDC_PRINTER_LIST), 0);
    EXPECT_EQ(Selected(IDC_FAX_LIST), 0);
}

TEST_F(PrinterLists, FaxListPreselectsTheFirstKnownFaxDevice)
{
    const std::string name49(49, 'N');
    const std::string name50(50, 'N');
    const std::vector<std::vector<std::string>> printers = {
        {"Zeta Laser", "DISPLAY", "LPT1:"},
        {"Alpha Fax", "FAXDRV", "COM2:"},
        {"Beta", "HPPCL", "LPT2:"},
        {name50, "FAXDRV", "COM3:"},
        {name49, "FAXDRV", "COM4:"},
    };
    struct Case {
        const char *what;
        std::vector<std::pair<std::string, std::string>> keys;  // [FaxDevices] key=value
        WORD faxIndex;
    } cases[] = {
        {"no [FaxDevices] at all", {}, 0},
        {"Count missing", {{"Fax1", "Beta"}}, 0},
        {"Count 0", {{"Count", "0"}, {"Fax1", "Beta"}}, 0},
        {"lowest matching key wins",
         {{"Count", "3"}, {"Fax1", "Nobody"}, {"Fax2", "Beta"}, {"Fax3", "Alpha Fax"}}, 2},
        {"missing and empty keys are skipped", {{"Count", "3"}, {"Fax2", ""}, {"Fax3", "Alpha Fax"}}, 1},
        {"keys above Count are never read", {{"Count", "2"}, {"Fax1", "Nobody"}, {"Fax3", "Beta"}}, 0},
        {"other capitals match nothing", {{"Count", "1"}, {"Fax1", "beta"}}, 0},
        {"driver and port added match nothing", {{"Count", "1"}, {"Fax1", "Beta, HPPCL, LPT2:"}}, 0},
        {"a long value is cut to 49 characters", {{"Count", "1"}, {"Fax1", name50}}, 4},
        {"a huge Count reads keys up to the limit",
         {{"Count", "100000000"}, {"Fax999", "Beta"}}, 2},
        {"a huge Count reads no key past the limit",
         {{"Count", "4294967295"}, {"Fax1000", "Beta"}}, 0},
        {"a negative Count reads no key past the limit",
         {{"Count", "-1"}, {"Fax1000", "Beta"}}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RemoveKoveltIni();
        for (const auto &key : c.keys)
            SetKovelt(kSectionFaxDevices, key.first.c_str(), key.second.c_str());
        HandTable table(printers);
        SendDlgItemMessageA(page_, IDC_FAX_LIST, CB_RESETCONTENT, 0, 0);
        DWORD start = GetTickCount();
        InitFaxList(page_, table.Get());
        EXPECT_LT(GetTickCount() - start, 5000u);
        EXPECT_EQ(table.Get()->FaxIndex, c.faxIndex);
        EXPECT_EQ(Selected(IDC_FAX_LIST), c.faxIndex);
        EXPECT_EQ(Items(IDC_FAX_LIST).size(), printers.size());
    }
}

// The selection keeps at most 149 characters and the suite's settings files get
// that text: a printer whose text is longer is not offered rather than shown cut,
// and the preselections still land on the right printers.
TEST_F(PrinterLists, PrinterWhoseTextDoesNotFitTheSelectionIsNotOffered)
{
    // "device, DISPLAY, LPT1:": 16 characters around the device name.
    const std::string fits(149 - 16, 'F');
    const std::string tooLong(150 - 16, 'L');
    const std::vector<std::vector<std::string>> printers = {
        {"Alpha", "DISPLAY", "LPT1:"},
        {tooLong, "DISPLAY", "LPT1:"},
        {fits, "DISPLAY", "LPT1:"},
    };
    HandTable table(printers, 2);
    SetKovelt(kSectionFaxDevices, kKeyFaxCount, "1");
    SetKovelt(kSectionFaxDevices, "Fax1", "Alpha");
    InitPrinterList(page_, table.Get());
    InitFaxList(page_, table.Get());
    const std::vector<std::string> offered = {"Alpha, DISPLAY, LPT1:", fits + ", DISPLAY, LPT1:"};
    EXPECT_EQ(offered[1].size(), 149u);
    EXPECT_EQ(Items(IDC_PRINTER_LIST), offered);
    EXPECT_EQ(Items(IDC_FAX_LIST), offered);
    EXPECT_EQ(Selected(IDC_PRINTER_LIST), 1);  // table entry 2
    EXPECT_EQ(table.Get()->PrinterIndex, 2);
    EXPECT_EQ(Selected(IDC_FAX_LIST), 0);
    EXPECT_EQ(table.Get()->FaxIndex, 0);

    // A default printer that is not offered leaves the first printer preselected.
    HandTable longDefault(printers, 1);
    SendDlgItemMessageA(page_, IDC_PRINTER_LIST, CB_RESETCONTENT, 0, 0);
    InitPrinterList(page_, longDefault.Get());
    EXPECT_EQ(Selected(IDC_PRINTER_LIST), 0);
    EXPECT_EQ(longDefault.Get()->PrinterIndex, 1);
}

TEST(PrinterItemText, FitsOnlyWhole)
{
    std::string device = "Dev", driver = "DRV", port = "P:";
    PrinterEntry entry = {&device[0], &driver[0], &port[0]};
    struct Case {
        int size;
        bool fits;
        const char *text;
    } cases[] = {
        {kPrinterItemSize, true, "Dev, DRV, P:"},
        {13, true, "Dev, DRV, P:"},
        {12, false, "Dev, DRV, P"},
    };
    for (const Case &c : cases) {
        char item[kPrinterItemSize + 8];
        lstrcpyA(item + c.size, "guard");
        EXPECT_EQ(FormatPrinterItem(&entry, item, c.size), c.fits) << c.size;
        EXPECT_STREQ(item, c.text);
        EXPECT_STREQ(item + c.size, "guard");  // nothing written past the buffer
    }
}
