// The wizard as the installing program sees it: started as its own process, it
// ends with exit code 0 on every path and sends its end notice only once it has run.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/setup_window.h"
#include "tests/support/test_env.h"
#include "tools/installer/installer_driver.h"

namespace {

const char kPageTitle[] = "Configure Relayo";

class LifecycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveKoveltIni();
        ClearPrinters();
        AddPrinter("Laser", "DISPLAY,LPT1:");
    }
    void TearDown() override
    {
        InstallerEnd();
        ClearPrinters();
        RemoveKoveltIni();
    }

    static std::string Beside(const char *name)
    {
        char path[MAX_PATH];
        ProgramBesideMe(name, path, sizeof path);
        return path;
    }

    // Starts the wizard as the installer does; false when it cannot be started.
    static bool Start(bool writeHandle, const char *program = "rlyoset.exe")
    {
        return InstallerBegin(writeHandle) && InstallerStartWizard(Beside(program).c_str());
    }

    static DWORD WaitForExit()
    {
        DWORD exitCode = 12345;
        EXPECT_TRUE(InstallerWaitForEnd(30000, &exitCode)) << "the wizard did not end";
        return exitCode;
    }

    static HWND WaitForPage() { return InstallerWaitForWindow("#32770", kPageTitle, 20000); }

    static void Cancel(HWND page) { PostMessageA(page, WM_COMMAND, IDCANCEL, 0); }
};

TEST_F(LifecycleTest, NormalRunKeepsItsWindowHiddenAndNotifiesTheInstallerAtTheEnd)
{
    ASSERT_TRUE(Start(true));
    HWND page = WaitForPage();
    ASSERT_NE(page, nullptr);
    // Started with a "show" command, the SetupWindow still stays hidden.
    HWND setupWindow = FindWindowA(kSetupWindowClass, NULL);
    ASSERT_NE(setupWindow, nullptr);
    char title[64] = "";
    GetWindowTextA(setupWindow, title, sizeof title);
    EXPECT_STREQ(title, kSetupWindowTitle);
    EXPECT_FALSE(IsWindowVisible(setupWindow));
    EXPECT_EQ(GetWindow(page, GW_OWNER), setupWindow);
    EXPECT_EQ(InstallerNoticeCount(), 0);

    // The SetupWindow ignores start messages other than 0.
    EXPECT_EQ(SendMessageA(setupWindow, WM_USER, 1, 0), 0);
    InstallerPump(200);
    EXPECT_EQ(InstallerNoticeCount(), 0);

    Cancel(page);
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(InstallerNoticeCount(), 1);
    EXPECT_TRUE(InstallerNoticeSentBeforeExit());
}

TEST_F(LifecycleTest, NoUsablePrinterEndsAtOnceWithoutNotice)
{
    ClearPrinters();
    AddPrinter("Broken", "NOSUCHDRV,LPT1:");
    ASSERT_TRUE(Start(true));
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(InstallerNoticeCount(), 0);
}

TEST_F(LifecycleTest, SecondStartEndsWithoutNoticeAndLeavesTheFirstRunning)
{
    ASSERT_TRUE(Start(true));
    HWND page = WaitForPage();
    ASSERT_NE(page, nullptr);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION second = {};
    std::string program = Beside("rlyoset.exe");
    ASSERT_TRUE(CreateProcessA(program.c_str(), NULL, NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                               &second));
    DWORD waited = MsgWaitForMultipleObjects(1, &second.hProcess, FALSE, 30000, 0);
    EXPECT_EQ(waited, WAIT_OBJECT_0);
    DWORD secondExit = 12345;
    GetExitCodeProcess(second.hProcess, &secondExit);
    CloseHandle(second.hProcess);
    CloseHandle(second.hThread);
    EXPECT_EQ(secondExit, 0u);
    InstallerPump(200);
    EXPECT_EQ(InstallerNoticeCount(), 0);
    EXPECT_TRUE(IsWindow(page));

    Cancel(page);
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(InstallerNoticeCount(), 1);
}

TEST_F(LifecycleTest, WithoutTheHandleKeyTheWizardRunsNormally)
{
    ASSERT_TRUE(Start(false));
    HWND page = WaitForPage();
    ASSERT_NE(page, nullptr);
    Cancel(page);
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(InstallerNoticeCount(), 0);  // addressed to no window
}

TEST_F(LifecycleTest, MissingPageTemplateStillEndsWithTheNotice)
{
    ASSERT_TRUE(Start(true, "rlyoset_without_pages.exe"));
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(InstallerNoticeCount(), 1);
    EXPECT_TRUE(InstallerNoticeSentBeforeExit());
}

}  // namespace
