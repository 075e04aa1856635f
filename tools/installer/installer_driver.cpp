#include "tools/installer/installer_driver.h"

#include "app/bounded_text.h"
#include "config/kovelt_ini.h"

static const char kInstallerClass[] = "Kovelt Installer Stand-in";

static HWND s_window;
static PROCESS_INFORMATION s_wizard;
static int s_noticeCount;
static bool s_noticeSentBeforeExit;

static LRESULT CALLBACK InstallerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER && wParam == 1 && lParam == 0) {
        ++s_noticeCount;
        // A sent notice arrives while the sender waits in SendMessage, so its
        // process is necessarily still running.
        s_noticeSentBeforeExit = InSendMessage() && s_wizard.hProcess != NULL &&
                                 WaitForSingleObject(s_wizard.hProcess, 0) == WAIT_TIMEOUT;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool InstallerBegin(bool writeHandle)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = InstallerWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = kInstallerClass;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    s_window = CreateWindowExA(0, kInstallerClass, "Kovelt Setup", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                               100, NULL, NULL, windowClass.hInstance, NULL);
    s_noticeCount = 0;
    s_noticeSentBeforeExit = false;
    if (s_window == NULL)
        return false;
    if (writeHandle) {
        char handle[24];
        FormatDecimal(handle, sizeof handle, (int)(INT_PTR)s_window);
        WriteKoveltText(kSectionInstall, kKeyInstallerWindow, handle);
        // Make sure the wizard process reads what was just written.
        WritePrivateProfileStringA(NULL, NULL, NULL, kKoveltIni);
    }
    return true;
}

HWND InstallerWindow()
{
    return s_window;
}

bool InstallerStartWizard(const char *programPath)
{
    char commandLine[MAX_PATH + 2];
    JoinText(commandLine, sizeof commandLine, "\"", programPath, "\"", NULL);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    // Ask for a shown window, as an installer would: the wizard's own window must
    // stay hidden whatever it is told.
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    ZeroMemory(&s_wizard, sizeof s_wizard);
    return CreateProcessA(programPath, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                          &s_wizard) != FALSE;
}

static void HandleWaitingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void InstallerPump(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    do {
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        HandleWaitingMessages();
    } while (GetTickCount() - start < milliseconds);
}

bool InstallerWaitForEnd(DWORD timeoutMs, DWORD *exitCode)
{
    if (s_wizard.hProcess == NULL)
        return false;
    DWORD start = GetTickCount();
    for (;;) {
        DWORD wait = MsgWaitForMultipleObjects(1, &s_wizard.hProcess, FALSE, 50, QS_ALLINPUT);
        HandleWaitingMessages();
        if (wait == WAIT_OBJECT_0 || WaitForSingleObject(s_wizard.hProcess, 0) == WAIT_OBJECT_0)
            break;
        if (GetTickCount() - start >= timeoutMs)
            return false;
    }
    HandleWaitingMessages();
    GetExitCodeProcess(s_wizard.hProcess, exitCode);
    return true;
}

int InstallerNoticeCount()
{
    return s_noticeCount;
}

bool InstallerNoticeSentBeforeExit()
{
    return s_noticeSentBeforeExit;
}

HWND InstallerWaitForWindow(const char *className, const char *title, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND found = FindWindowA(className, title);
        if (found != NULL)
            return found;
        if (GetTickCount() - start >= timeoutMs)
            return NULL;
        InstallerPump(20);
    }
}

void InstallerEnd()
{
    if (s_wizard.hProcess != NULL) {
        if (WaitForSingleObject(s_wizard.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(s_wizard.hProcess, 99);
            WaitForSingleObject(s_wizard.hProcess, 5000);
        }
        CloseHandle(s_wizard.hProcess);
        CloseHandle(s_wizard.hThread);
        ZeroMemory(&s_wizard, sizeof s_wizard);
    }
    if (s_window != NULL) {
        DestroyWindow(s_window);
        s_window = NULL;
    }
}

void ProgramBesideMe(const char *fileName, char *path, DWORD size)
{
    char self[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, self, sizeof self);
    while (length > 0 && self[length - 1] != '\\' && self[length - 1] != '/')
        --length;
    self[length] = '\0';
    JoinText(path, (int)size, self, fileName, NULL);
}
