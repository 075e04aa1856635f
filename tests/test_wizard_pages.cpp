// The two wizard pages, run in this process from the program's own templates: the
// first page's lists, OK, Cancel, Help and word-processor changes, the confirmation
// page, and the centring arithmetic. The pages run modally, as in the wizard; a
// thread timer plays the user inside their modal loops.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/run_state.h"
#include "config/action_registration.h"
#include "config/kovelt_ini.h"
#include "config/setup_selection.h"
#include "printers/printer_table.h"
#include "resources/resource_ids.h"
#include "tests/support/help_viewer.h"
#include "tests/support/test_env.h"
#include "wizard/center_window.h"
#include "wizard/confirmation_dialog.h"
#include "wizard/selection_dialog.h"

// Stands in for the real one, which writes the suite's files, so that the tests see
// exactly when and how often the confirmation page applies the choices.
static int s_applyCount;
static SetupSelection s_applied;

void ApplySetup()
{
    ++s_applyCount;
    s_applied = g_selection;
}

namespace {

struct WindowsEnvironment : ::testing::Environment {
    void SetUp() override
    {
        g_instance = GetModuleHandleA(NULL);
    }
};
::testing::Environment *const g_windows = ::testing::AddGlobalTestEnvironment(new WindowsEnvironment);

// --- Playing the user inside a modal loop

// A control that only one page has tells the pages apart.
const int kFirstPage = IDC_WORD_PROCESSOR_LIST;
const int kSecondPage = IDC_PREVIOUS_STEP;

struct Step {
    int page;
    std::function<void(HWND)> action;
};
std::deque<Step> s_steps;
UINT_PTR s_timer;
DWORD s_waitingSince;

struct PageSearch {
    int marker;
    HWND found;
};

BOOL CALLBACK MatchPage(HWND window, LPARAM lParam)
{
    PageSearch *search = reinterpret_cast<PageSearch *>(lParam);
    if (IsWindowVisible(window) && GetDlgItem(window, search->marker) != NULL) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisiblePage(int marker)
{
    PageSearch search = {marker, NULL};
    EnumThreadWindows(GetCurrentThreadId(), MatchPage, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK EndPage(HWND window, LPARAM)
{
    if (GetDlgItem(window, kFirstPage) != NULL || GetDlgItem(window, kSecondPage) != NULL)
        EndDialog(window, 99);
    return TRUE;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_steps.empty()) {
        KillTimer(NULL, s_timer);
        s_timer = 0;
        return;
    }
    HWND page = VisiblePage(s_steps.front().page);
    if (page == NULL) {
        if (GetTickCount() - s_waitingSince > 5000) {
            ADD_FAILURE() << "the expected page did not show";
            s_steps.clear();
            EnumThreadWindows(GetCurrentThreadId(), EndPage, 0);
        }
        return;
    }
    Step step = s_steps.front();
    s_steps.pop_front();
    s_waitingSince = GetTickCount();
    step.action(page);
}

// Queues an action to run once the given page is showing.
void When(int page, std::function<void(HWND)> action)
{
    s_steps.push_back({page, std::move(action)});
    s_waitingSince = GetTickCount();
    if (s_timer == 0)
        s_timer = SetTimer(NULL, 0, 10, OnTick);
}

// The user's actions are posted, so that each one runs in the page's own loop.
void Press(HWND page, int id)
{
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(page, id));
}

void PressKey(HWND page, WPARAM key)
{
    HWND focus = GetFocus();
    PostMessageA(focus != NULL ? focus : page, WM_KEYDOWN, key, 1);
}

// Picks an entry of a list as the user would: select it and tell the page.
void Choose(HWND page, int list, int index, WORD notification = CBN_SELCHANGE)
{
    HWND combo = GetDlgItem(page, list);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(list, notification), (LPARAM)combo);
}

std::string Text(HWND page, int id)
{
    char text[400];
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

INT_PTR RunFirstPage()
{
    return DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_SELECTION), NULL, SelectionDialogProc, 0);
}

RECT WindowRect(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

// Where a window of this one's size belongs, centred over reference.
POINT CentredOver(HWND reference, HWND window)
{
    RECT referenceRect = WindowRect(reference);
    RECT windowRect = WindowRect(window);
    int x, y;
    CenteredPosition(&referenceRect, &windowRect, &x, &y);
    return {x, y};
}

void ExpectAt(HWND window, POINT where)
{
    RECT rect = WindowRect(window);
    EXPECT_EQ(rect.left, where.x);
    EXPECT_EQ(rect.top, where.y);
}

// --- The machine the first page looks at

const char kDocProgram[] = "C:\\WINWORD\\WINWORD.EXE";
const char kSamProgram[] = "C:\\AMIPRO\\AMIPRO.EXE";

void UnregisterWordProcessors()
{
    UnregisterFileType(".doc", "RlyTest.Doc");
    UnregisterFileType(".sam", "RlyTest.Sam");
    UnregisterFileType(".wpd", NULL);
    UnregisterFileType(".txt", NULL);
}

class WizardPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearPrinters();
        AddPrinter("Alpha", "DISPLAY,LPT1:");
        AddPrinter("Beta", "DISPLAY,LPT2:");
        AddPrinter("Gamma", "DISPLAY,COM1:");
        SetWinIniDefaultPrinter("Beta,DISPLAY,LPT2:");
        RemoveKoveltIni();
        SetKovelt(kSectionFaxDevices, kKeyFaxCount, "2");
        SetKovelt(kSectionFaxDevices, "Fax1", "Nobody");
        SetKovelt(kSectionFaxDevices, "Fax2", "Gamma");
        UnregisterWordProcessors();
        RegisterFileType(".doc", "RlyTest.Doc", "Word Document",
                         (std::string(kDocProgram) + " %1").c_str());
        RegisterFileType(".sam", "RlyTest.Sam", "Ami Pro Document",
                         (std::string(kSamProgram) + " %1").c_str());

        TakePrinterTable();
        ZeroMemory(&g_selection, sizeof g_selection);
        s_applyCount = 0;
        ZeroMemory(&s_applied, sizeof s_applied);
    }
    void TearDown() override
    {
        s_steps.clear();
        ReleasePrinterTable();
        UnregisterWordProcessors();
        RemoveKoveltIni();
        ClearPrinters();
    }

    // As the program does at start-up: built from WIN.INI and locked for the run.
    void TakePrinterTable()
    {
        static const PrinterKey kNone = {"", "", ""};
        g_printerTableBlock = BuildPrinterTable(&kNone);
        ASSERT_NE(g_printerTableBlock, nullptr);
        g_printerTable = static_cast<PrinterTable *>(GlobalLock(g_printerTableBlock));
        tableBlock_ = g_printerTableBlock;
    }

    void ExpectTableReleased()
    {
        EXPECT_EQ(g_printerTableBlock, nullptr);
        EXPECT_EQ(g_printerTable, nullptr);
        EXPECT_EQ(GlobalSize(tableBlock_), 0u);  // the block itself is gone
    }

    HGLOBAL tableBlock_ = NULL;
};

}  // namespace

TEST_F(WizardPages, FirstPageOpensCentredWithItsThreeListsFilled)
{
    When(kFirstPage, [](HWND page) {
        ExpectAt(page, CentredOver(GetDesktopWindow(), page));
        EXPECT_EQ(Text(page, IDC_PRINTER_LIST), "Beta, DISPLAY, LPT2:");
        EXPECT_EQ(Text(page, IDC_FAX_LIST), "Gamma, DISPLAY, COM1:");
        EXPECT_EQ(Text(page, IDC_WORD_PROCESSOR_LIST), "*.DOC  Word Document");
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_WORD_PROCESSOR_LIST, CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(g_printerTable->PrinterIndex, 1);
        EXPECT_EQ(g_printerTable->FaxIndex, 2);
        EXPECT_STREQ(g_selection.ProcessorCode, "3");
        EXPECT_STREQ(g_selection.ProgramPath, kDocProgram);
        Press(page, IDCANCEL);
    });
    EXPECT_EQ(RunFirstPage(), 1);
}

// Cancel, Escape and the close box all end the wizard at once: nothing applied,
// the printer table released.
TEST_F(WizardPages, CancelEscapeAndCloseBoxEndTheWizard)
{
    const struct {
        const char *what;
        std::function<void(HWND)> leave;
    } ways[] = {
        {"Cancel", [](HWND page) { Press(page, IDCANCEL); }},
        {"Escape", [](HWND page) { PressKey(page, VK_ESCAPE); }},
        {"close box", [](HWND page) { PostMessageA(page, WM_CLOSE, 0, 0); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.what);
        if (g_printerTableBlock == NULL)
            TakePrinterTable();
        When(kFirstPage, way.leave);
        EXPECT_EQ(RunFirstPage(), 1);
        EXPECT_TRUE(s_steps.empty());
        EXPECT_EQ(s_applyCount, 0);
        ExpectTableReleased();
    }
}

// OK, back with "Previous Step", change the choices, OK again, confirm.
TEST_F(WizardPages, OkShowsTheChoicesAndPreviousStepComesBackToThem)
{
    HWND firstPage = NULL;
    When(kFirstPage, [&](HWND page) {
        firstPage = page;
        MoveWindow(page, 40, 30, WindowRect(page).right - WindowRect(page).left,
                   WindowRect(page).bottom - WindowRect(page).top, FALSE);
        Press(page, IDOK);
    });
    When(kSecondPage, [&](HWND page) {
        EXPECT_FALSE(IsWindowVisible(firstPage));
        EXPECT_EQ(GetParent(page), firstPage);
        ExpectAt(page, CentredOver(firstPage, page));
        EXPECT_EQ(Text(page, IDC_PRINTER_TEXT), "Beta, DISPLAY, LPT2:");
        EXPECT_EQ(Text(page, IDC_FAX_TEXT), "Gamma, DISPLAY, COM1:");
        EXPECT_EQ(Text(page, IDC_WORD_PROCESSOR_TEXT), kDocProgram);
        EXPECT_EQ(GetFocus(), GetDlgItem(page, IDOK));
        Press(page, IDC_PREVIOUS_STEP);
    });
    When(kFirstPage, [&](HWND page) {
        EXPECT_EQ(page, firstPage);
        EXPECT_EQ(s_applyCount, 0);
        EXPECT_NE(g_printerTableBlock, nullptr);
        // The lists still hold what the user chose.
        EXPECT_EQ(Text(page, IDC_PRINTER_LIST), "Beta, DISPLAY, LPT2:");
        Choose(page, IDC_PRINTER_LIST, 2);
        Choose(page, IDC_FAX_LIST, 0);
        Choose(page, IDC_WORD_PROCESSOR_LIST, 1);
        Press(page, IDOK);
    });
    When(kSecondPage, [](HWND page) {
        EXPECT_EQ(Text(page, IDC_PRINTER_TEXT), "Gamma, DISPLAY, COM1:");
        EXPECT_EQ(Text(page, IDC_FAX_TEXT), "Alpha, DISPLAY, LPT1:");
        EXPECT_EQ(Text(page, IDC_WORD_PROCESSOR_TEXT), kSamProgram);
        Press(page, IDOK);
    });
    EXPECT_EQ(RunFirstPage(), 1);
    EXPECT_TRUE(s_steps.empty());
    EXPECT_EQ(s_applyCount, 1);
    EXPECT_STREQ(s_applied.PrinterText, "Gamma, DISPLAY, COM1:");
    EXPECT_STREQ(s_applied.FaxText, "Alpha, DISPLAY, LPT1:");
    EXPECT_STREQ(s_applied.ProgramPath, kSamProgram);
    EXPECT_STREQ(s_applied.ProcessorCode, "4");
    ExpectTableReleased();
}

// The second page can be left only by confirming or going back; Enter confirms.
TEST_F(WizardPages, SecondPageIgnoresEscapeAndCloseBoxAndConfirmsOnEnter)
{
    lstrcpyA(g_selection.PrinterText, "Alpha, DISPLAY, LPT1:");
    lstrcpyA(g_selection.FaxText, "Gamma, DISPLAY, COM1:");
    When(kSecondPage, [](HWND page) {
        EXPECT_EQ(Text(page, IDC_PRINTER_TEXT), "Alpha, DISPLAY, LPT1:");
        EXPECT_EQ(Text(page, IDC_FAX_TEXT), "Gamma, DISPLAY, COM1:");
        EXPECT_EQ(Text(page, IDC_WORD_PROCESSOR_TEXT), "");  // no word processor found
        EXPECT_EQ(GetFocus(), GetDlgItem(page, IDOK));
        Press(page, IDCANCEL);
        PressKey(page, VK_ESCAPE);
        PostMessageA(page, WM_CLOSE, 0, 0);
    });
    When(kSecondPage, [](HWND page) {
        EXPECT_EQ(s_applyCount, 0);
        PressKey(page, VK_RETURN);
    });
    INT_PTR result = DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_CONFIRMATION), NULL,
                                     ConfirmationDialogProc, 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(s_applyCount, 1);
    EXPECT_EQ(g_printerTableBlock, tableBlock_);  // only the first page releases it
}

TEST_F(WizardPages, SecondPageGoesBackWithoutApplying)
{
    When(kSecondPage, [](HWND page) { Press(page, IDC_PREVIOUS_STEP); });
    INT_PTR result = DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_CONFIRMATION), NULL,
                                     ConfirmationDialogProc, 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(s_applyCount, 0);
}

TEST_F(WizardPages, ChoosingAnotherWordProcessorFollowsTheChoice)
{
    HWND page = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_SELECTION), NULL,
                                   SelectionDialogProc, 0);
    ASSERT_NE(page, nullptr);
    HWND list = GetDlgItem(page, IDC_WORD_PROCESSOR_LIST);

    Choose(page, IDC_WORD_PROCESSOR_LIST, 1);  // *.SAM
    EXPECT_STREQ(g_selection.ProcessorCode, "4");
    EXPECT_STREQ(g_selection.ProgramPath, kSamProgram);

    // Other notifications of the list change nothing.
    Choose(page, IDC_WORD_PROCESSOR_LIST, 0, CBN_SELENDOK);
    EXPECT_STREQ(g_selection.ProcessorCode, "4");

    // A program no longer found: the code follows, the path stays.
    UnregisterFileType(".doc", "RlyTest.Doc");
    Choose(page, IDC_WORD_PROCESSOR_LIST, 0);  // *.DOC
    EXPECT_STREQ(g_selection.ProcessorCode, "3");
    EXPECT_STREQ(g_selection.ProgramPath, kSamProgram);

    // An entry longer than any the page makes is not read at all.
    std::string huge = "*.WPD" + std::string(400, 'x');
    SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)huge.c_str());
    Choose(page, IDC_WORD_PROCESSOR_LIST, 2);
    EXPECT_STREQ(g_selection.ProcessorCode, "3");

    // No selection: nothing happens.
    Choose(page, IDC_WORD_PROCESSOR_LIST, -1);
    EXPECT_STREQ(g_selection.ProcessorCode, "3");
    DestroyWindow(page);
}

TEST_F(WizardPages, ReadSelectionsTakesTheVisibleTextsCutTo149Characters)
{
    HWND page = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_SELECTION), NULL,
                                   SelectionDialogProc, 0);
    ASSERT_NE(page, nullptr);
    std::string longText(200, 'P');
    for (size_t i = 0; i < longText.size(); i += 10)
        longText[i] = static_cast<char>('0' + i / 10 % 10);
    int index = (int)SendDlgItemMessageA(page, IDC_PRINTER_LIST, CB_ADDSTRING, 0,
                                         (LPARAM)longText.c_str());
    SendDlgItemMessageA(page, IDC_PRINTER_LIST, CB_SETCURSEL, index, 0);
    SendDlgItemMessageA(page, IDC_FAX_LIST, CB_SETCURSEL, (WPARAM)-1, 0);
    lstrcpyA(g_selection.FaxText, "old");
    ReadSelections(page);
    EXPECT_EQ(std::string(g_selection.PrinterText), longText.substr(0, 149));
    EXPECT_STREQ(g_selection.FaxText, "");
    DestroyWindow(page);
}

TEST_F(WizardPages, HelpOpensTheHelpFileOfTheInstallDirectory)
{
    HWND viewer = StartHelpViewer();
    ASSERT_NE(viewer, nullptr);
    HWND page = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_SELECTION), NULL,
                                   SelectionDialogProc, 0);
    ASSERT_NE(page, nullptr);

    // 255 characters with the separator: the help path is then 266 characters long.
    std::string longDirectory = "C:\\" + std::string(251, 'K') + "\\";
    ASSERT_EQ(longDirectory.size(), 255u);
    const struct {
        const char *directory;  // NULL: no install directory key
        std::string file;
    } cases[] = {
        {"C:\\KOVELT\\", "C:\\KOVELT\\rlyoset.hlp"},
        {"C:\\KOVELT", "C:\\KOVELTrlyoset.hlp"},
        {NULL, "rlyoset.hlp"},
        {longDirectory.c_str(), longDirectory + "rlyoset.hlp"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        SetKovelt(kSectionKoveltSystem, kKeyInstallDirectory, c.directory);
        ResetHelpRequests();
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_HELP_BUTTON, BN_CLICKED),
                     (LPARAM)GetDlgItem(page, IDC_HELP_BUTTON));
        const HelpRequest &help = LastHelpRequest();
        EXPECT_EQ(help.count, 1);
        EXPECT_EQ(help.from, page);
        EXPECT_EQ(help.command, HELP_CONTENTS);
        EXPECT_EQ(help.file, c.file);
    }
    DestroyWindow(page);
    StopHelpViewer(viewer);
}

TEST(CenteredPosition, HalvesTruncateAndNegativeMeansStay)
{
    struct Case {
        RECT reference;
        int width, height;
        bool moves;
        int x, y;
    } cases[] = {
        {{0, 0, 1024, 768}, 400, 300, true, 312, 234},
        {{0, 0, 1024, 768}, 401, 301, true, 311, 233},    // 311.5 and 233.5 truncate
        {{0, 0, 1024, 768}, 1025, 300, true, 0, 234},    // one pixel wider: -0.5 gives 0
        {{0, 0, 1024, 768}, 1026, 300, false, -1, 234},  // two pixels wider: off the edge
        {{0, 0, 1024, 768}, 400, 770, false, 312, -1},
        {{100, 50, 500, 450}, 200, 100, true, 200, 200},  // over another window
        {{-300, 0, 100, 400}, 100, 100, false, -150, 150},  // over a window partly off the screen
    };
    for (const Case &c : cases) {
        RECT window = {7, 9, 7 + c.width, 9 + c.height};  // its own position plays no part
        int x = 0, y = 0;
        EXPECT_EQ(CenteredPosition(&c.reference, &window, &x, &y), c.moves) << c.width << "x" << c.height;
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
    }
}

TEST(CenterWindow, MovesOnlyAWindowThatFitsOnTheScreen)
{
    RECT screen = WindowRect(GetDesktopWindow());
    int screenWidth = screen.right - screen.left;
    struct Case {
        int width;
        bool moves;
    } cases[] = {{300, true}, {screenWidth + 1, true}, {screenWidth + 2, false}};
    for (const Case &c : cases) {
        HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 20, c.width, 100, NULL, NULL,
                                      GetModuleHandleA(NULL), NULL);
        ASSERT_NE(window, nullptr);
        CenterWindow(NULL, window);
        RECT rect = WindowRect(window);
        if (c.moves) {
            EXPECT_EQ(rect.left, screen.left + (screenWidth - c.width) / 2) << c.width;
            EXPECT_EQ(rect.top, screen.top + (screen.bottom - screen.top - 100) / 2);
        } else {
            EXPECT_EQ(rect.left, 10) << c.width;
            EXPECT_EQ(rect.top, 20);
        }
        EXPECT_EQ(rect.right - rect.left, c.width);
        EXPECT_EQ(rect.bottom - rect.top, 100);
        DestroyWindow(window);
    }
}
