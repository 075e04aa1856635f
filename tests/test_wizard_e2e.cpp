// The whole wizard, started as its own process by the installer stand-in and used
// the way a person uses it: the lists it offers, the two pages, and the files it
// leaves behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/support/help_viewer.h"
#include "tests/support/test_env.h"
#include "tools/installer/installer_driver.h"

namespace {

const char kLaser[] = "Office Laser, DISPLAY, LPT1:";
const char kModem[] = "Fax Modem, DISPLAY, COM1:";
const char kWordPath[] = "C:\\WP\\WP.EXE";
const char kAmiPath[] = "C:\\AMI\\AMI.EXE";
const char kEditorPath[] = "C:\\IMG\\IMG.EXE";
const char kSettings[] = "C:\\kovelt\\settings\\";
const char kCopyFile[] = "C:\\kovelt\\settings\\a.cpy";
const char kFaxFile[] = "C:\\kovelt\\settings\\b.fax";
const char kMissing[] = "<missing>";

std::string Text(HWND page, int id)
{
    char text[512];
    ControlText(page, id, text, sizeof text);
    return text;
}

std::vector<std::string> Items(HWND page, int id)
{
    std::vector<std::string> items;
    for (int i = 0; i < ComboCount(page, id); ++i) {
        char text[512] = "";
        EXPECT_TRUE(ComboItemText(page, id, i, text, sizeof text));
        items.push_back(text);
    }
    return items;
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Where a window of this size stands when centred over the reference rectangle.
POINT CentredOver(const RECT &reference, const RECT &window)
{
    POINT at;
    at.x = reference.left + ((reference.right - reference.left) - (window.right - window.left)) / 2;
    at.y = reference.top + ((reference.bottom - reference.top) - (window.bottom - window.top)) / 2;
    return at;
}

// KOVELT.INI and settings files as the wizard process left them.
std::string Kovelt(const char *section, const char *key)
{
    FlushProfileCache();
    return GetKovelt(section, key);
}

std::string Settings(const char *file, const char *section, const char *key)
{
    WritePrivateProfileStringA(NULL, NULL, NULL, file);
    return GetProfile(file, section, key);
}

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clean();
        AddPrinter("Office Laser", "DISPLAY,LPT1:");
        AddPrinter("Fax Modem", "DISPLAY,COM1:");
        SetWinIniDefaultPrinter("Office Laser,DISPLAY,LPT1:");
        SetKovelt("KoveltSupportedAPs", "Recognita", "C:\\RECOG\\");
        SetKovelt("KoveltSystem", "Kovelt", "C:\\KOVELT\\");
        SetKovelt("FaxDevices", "Count", "2");
        SetKovelt("FaxDevices", "Fax1", "WinFax");
        SetKovelt("FaxDevices", "Fax2", "Fax Modem");
        RegisterFileType(".doc", "E2E.Doc", "Doc Type", "C:\\WP\\WP.EXE %1");
        RegisterFileType(".sam", "E2E.Sam", "Sam Type", "\"C:\\AMI\\AMI.EXE\" \"%1\"");
        RegisterFileType(".tif", "E2E.Tif", "Tiff Image", "C:\\IMG\\IMG.EXE /o %1");
        MakeDirectories("C:\\kovelt\\settings");
        WriteWholeFile(kCopyFile, "[CopyUtility]\r\nCopies=1\r\n");
        WriteWholeFile(kFaxFile, "[FaxUtility]\r\nResolution=Fine\r\n");
        FlushProfileCache();
    }
    void TearDown() override { Clean(); }

    static void Clean()
    {
        InstallerEnd();
        ClearPrinters();
        RemoveKoveltIni();
        UnregisterFileType(".doc", "E2E.Doc");
        UnregisterFileType(".sam", "E2E.Sam");
        UnregisterFileType(".tif", "E2E.Tif");
        RemoveTree("C:\\kovelt");
    }

    static HWND StartAndWaitForFirstPage()
    {
        char program[MAX_PATH];
        ProgramBesideMe("rlyoset.exe", program, sizeof program);
        EXPECT_TRUE(InstallerBegin(true));
        EXPECT_TRUE(InstallerStartWizard(program));
        return WaitForPage(IDC_PRINTER_LIST, 20000);
    }

    static void ExpectEndWithNotice()
    {
        DWORD exitCode = 12345;
        ASSERT_TRUE(InstallerWaitForEnd(30000, &exitCode)) << "the wizard did not end";
        EXPECT_EQ(exitCode, 0u);
        EXPECT_EQ(InstallerNoticeCount(), 1);
    }
};

TEST_F(WizardTest, FullRunShowsTheChoicesAndWritesThem)
{
    HWND first = StartAndWaitForFirstPage();
    ASSERT_NE(first, nullptr);

    // Printers in the platform's order, the WIN.INI default preselected; the fax
    // list preselects the first [FaxDevices] key that names a printer.
    std::vector<std::string> printers = Items(first, IDC_PRINTER_LIST);
    EXPECT_EQ(printers.size(), 2u);
    EXPECT_NE(std::find(printers.begin(), printers.end(), kLaser), printers.end());
    EXPECT_NE(std::find(printers.begin(), printers.end(), kModem), printers.end());
    EXPECT_EQ(Items(first, IDC_FAX_LIST), printers);
    EXPECT_EQ(Text(first, IDC_PRINTER_LIST), kLaser);
    EXPECT_EQ(Text(first, IDC_FAX_LIST), kModem);
    EXPECT_EQ(Items(first, IDC_WORD_PROCESSOR_LIST),
              (std::vector<std::string>{"*.DOC  Doc Type", "*.SAM  Sam Type"}));
    EXPECT_EQ(ComboSelection(first, IDC_WORD_PROCESSOR_LIST), 0);

    // Centred on the screen.
    RECT firstRect = WindowRect(first);
    POINT centre = CentredOver(WindowRect(GetDesktopWindow()), firstRect);
    EXPECT_EQ(firstRect.left, centre.x);
    EXPECT_EQ(firstRect.top, centre.y);

    PressButton(first, IDOK);
    HWND confirmation = WaitForPage(IDC_PRINTER_TEXT, 20000);
    ASSERT_NE(confirmation, nullptr);
    EXPECT_FALSE(IsWindowVisible(first));
    EXPECT_EQ(Text(confirmation, IDC_PRINTER_TEXT), kLaser);
    EXPECT_EQ(Text(confirmation, IDC_FAX_TEXT), kModem);
    EXPECT_EQ(Text(confirmation, IDC_WORD_PROCESSOR_TEXT), kWordPath);
    EXPECT_EQ(FocusedControl(confirmation), IDOK);
    RECT confirmationRect = WindowRect(confirmation);
    centre = CentredOver(firstRect, confirmationRect);
    EXPECT_EQ(confirmationRect.left, centre.x);
    EXPECT_EQ(confirmationRect.top, centre.y);
    EXPECT_EQ(Kovelt("KoveltSystem", "1"), kMissing);  // nothing written before OK

    PressKey(confirmation, VK_RETURN);  // Enter confirms
    ExpectEndWithNotice();

    EXPECT_EQ(Settings(kCopyFile, "CopyUtility", "Printer"), kLaser);
    EXPECT_EQ(Settings(kCopyFile, "CopyUtility", "Copies"), "1");
    EXPECT_EQ(Settings(kFaxFile, "FaxUtility", "FAX"), kModem);
    EXPECT_EQ(Settings(kFaxFile, "FaxUtility", "Resolution"), "Fine");
    EXPECT_EQ(Kovelt("KoveltSystem", "1"), "ScanAndSave, BESTFIT, 1");
    EXPECT_EQ(Kovelt("KoveltKeyname", "1"), "Scan for Image Editing");
    EXPECT_EQ(Kovelt("KoveltSystem", "2"), "Recognita, WINWORD, 3");
    EXPECT_EQ(Kovelt("KoveltKeyname", "2"), "OCR for Word Process");
    EXPECT_EQ(Kovelt("KoveltSystem", "3"), kMissing);
    EXPECT_EQ(Kovelt("Recognita", "3"), std::string(", ") + kWordPath);
    EXPECT_EQ(Kovelt("ScanAndSave", "1"), std::string("Scan for Image Editing, ") + kEditorPath);
    EXPECT_EQ(Settings("C:\\kovelt\\settings\\BESTFIT.FLE", "ScanAndSave", "FileFormat"), "0");
}

TEST_F(WizardTest, LeavingTheFirstPageWritesNothing)
{
    struct Way {
        const char *name;
        void (*leave)(HWND page);
    } ways[] = {
        {"Cancel", [](HWND page) { PressButton(page, IDCANCEL); }},
        {"Escape", [](HWND page) { PressKey(page, VK_ESCAPE); }},
        {"close box", [](HWND page) { PressCloseBox(page); }},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        FlushProfileCache();
        std::string kovelt = ReadWholeFile(KoveltIniPath());
        HWND first = StartAndWaitForFirstPage();
        ASSERT_NE(first, nullptr);
        // The installer stand-in wrote its handle; nothing else may change.
        FlushProfileCache();
        kovelt = ReadWholeFile(KoveltIniPath());
        way.leave(first);
        ExpectEndWithNotice();
        FlushProfileCache();
        EXPECT_EQ(ReadWholeFile(KoveltIniPath()), kovelt);
        EXPECT_EQ(ReadWholeFile(kCopyFile), "[CopyUtility]\r\nCopies=1\r\n");
        EXPECT_EQ(ReadWholeFile(kFaxFile), "[FaxUtility]\r\nResolution=Fine\r\n");
        EXPECT_FALSE(FileExists(std::string(kSettings) + "BESTFIT.FLE"));
        InstallerEnd();
    }
}

TEST_F(WizardTest, PreviousStepKeepsTheChoicesAndAChangedWordProcessorIsApplied)
{
    HWND first = StartAndWaitForFirstPage();
    ASSERT_NE(first, nullptr);
    PressButton(first, IDOK);
    HWND confirmation = WaitForPage(IDC_PRINTER_TEXT, 20000);
    ASSERT_NE(confirmation, nullptr);

    // Escape and the close box leave the confirmation page open.
    PressKey(confirmation, VK_ESCAPE);
    PressCloseBox(confirmation);
    InstallerPump(500);
    EXPECT_TRUE(IsWindowVisible(confirmation));
    EXPECT_FALSE(IsWindowVisible(first));

    PressButton(confirmation, IDC_PREVIOUS_STEP);
    ASSERT_EQ(WaitForPage(IDC_PRINTER_LIST, 20000), first);
    EXPECT_FALSE(PageIsShown(IDC_PRINTER_TEXT));
    EXPECT_EQ(Text(first, IDC_PRINTER_LIST), kLaser);
    EXPECT_EQ(Text(first, IDC_FAX_LIST), kModem);
    EXPECT_EQ(ComboSelection(first, IDC_WORD_PROCESSOR_LIST), 0);
    EXPECT_EQ(Kovelt("KoveltSystem", "1"), kMissing);

    // The person picks the other word processor and the other printer, and moves
    // the page before going on.
    ComboChoose(first, IDC_WORD_PROCESSOR_LIST, 1);
    std::vector<std::string> printers = Items(first, IDC_PRINTER_LIST);
    int modem = (int)(std::find(printers.begin(), printers.end(), kModem) - printers.begin());
    ComboChoose(first, IDC_PRINTER_LIST, modem);
    SetWindowPos(first, NULL, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InstallerPump(200);
    RECT firstRect = WindowRect(first);
    ASSERT_EQ(firstRect.left, 7);

    PressButton(first, IDOK);
    confirmation = WaitForPage(IDC_PRINTER_TEXT, 20000);
    ASSERT_NE(confirmation, nullptr);
    EXPECT_EQ(Text(confirmation, IDC_PRINTER_TEXT), kModem);
    EXPECT_EQ(Text(confirmation, IDC_WORD_PROCESSOR_TEXT), kAmiPath);
    RECT confirmationRect = WindowRect(confirmation);
    POINT centre = CentredOver(firstRect, confirmationRect);
    ASSERT_GE(centre.x, 0);
    ASSERT_GE(centre.y, 0);
    EXPECT_EQ(confirmationRect.left, centre.x);
    EXPECT_EQ(confirmationRect.top, centre.y);

    PressButton(confirmation, IDOK);
    ExpectEndWithNotice();
    EXPECT_EQ(Settings(kCopyFile, "CopyUtility", "Printer"), kModem);
    EXPECT_EQ(Kovelt("KoveltSystem", "2"), "Recognita, AMIPRO, 4");
    EXPECT_EQ(Kovelt("Recognita", "4"), std::string(", ") + kAmiPath);
    EXPECT_EQ(Kovelt("Recognita", "3"), kMissing);
}

TEST_F(WizardTest, HelpOpensTheSuitesHelpFile)
{
    HWND viewer = StartHelpViewer();
    ASSERT_NE(viewer, nullptr);
    struct Case {
        const char *installDirectory;  // NULL: no key
        const char *file;
    } cases[] = {
        {"C:\\KOVELT\\", "C:\\KOVELT\\rlyoset.hlp"},
        {NULL, "rlyoset.hlp"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        SetKovelt("KoveltSystem", "Kovelt", c.installDirectory);
        HWND first = StartAndWaitForFirstPage();
        ASSERT_NE(first, nullptr);
        ResetHelpRequests();
        PressButton(first, IDC_HELP_BUTTON);
        for (int i = 0; i < 100 && LastHelpRequest().count == 0; ++i)
            InstallerPump(50);
        EXPECT_EQ(LastHelpRequest().count, 1);
        EXPECT_EQ(LastHelpRequest().from, first);
        EXPECT_EQ(LastHelpRequest().command, HELP_CONTENTS);
        EXPECT_EQ(LastHelpRequest().file, c.file);
        EXPECT_TRUE(IsWindowVisible(first));
        PressButton(first, IDCANCEL);
        ExpectEndWithNotice();
        InstallerEnd();
    }
    StopHelpViewer(viewer);
}

}  // namespace
