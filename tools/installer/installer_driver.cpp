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

// --- Driving the pages

static const char kDialogClass[] = "#32770";
static const char kPageTitle[] = "Configure Relayo";

struct PageSearch {
    int controlId;
    HWND found;
};

static BOOL CALLBACK MatchPage(HWND window, LPARAM lParam)
{
    PageSearch *search = reinterpret_cast<PageSearch *>(lParam);
    char className[16] = "";
    char title[64] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(className, kDialogClass) == 0 && lstrcmpA(title, kPageTitle) == 0 &&
        IsWindowVisible(window) && GetDlgItem(window, search->controlId) != NULL) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND FindShownPage(int controlId)
{
    PageSearch search = {controlId, NULL};
    EnumWindows(MatchPage, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool PageIsShown(int controlId)
{
    return FindShownPage(controlId) != NULL;
}

HWND WaitForPage(int controlId, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND page = FindShownPage(controlId);
        if (page != NULL) {
            InstallerPump(100);  // let the page finish drawing
            return page;
        }
        if (GetTickCount() - start >= timeoutMs)
            return NULL;
        InstallerPump(20);
    }
}

int ComboCount(HWND page, int controlId)
{
    return (int)SendMessageA(GetDlgItem(page, controlId), CB_GETCOUNT, 0, 0);
}

int ComboSelection(HWND page, int controlId)
{
    return (int)SendMessageA(GetDlgItem(page, controlId), CB_GETCURSEL, 0, 0);
}

bool ComboItemText(HWND page, int controlId, int index, char *text, int size)
{
    // Across processes Wine hands CB_GETLBTEXT back as UTF-16 whatever was asked,
    // so ask for it wide, in a buffer with room to spare.
    HWND combo = GetDlgItem(page, controlId);
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    WCHAR wide[1024];
    if (length == CB_ERR || length >= (LRESULT)(sizeof wide / sizeof wide[0]))
        return false;
    if (SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide)) == CB_ERR)
        return false;
    wide[length] = L'\0';
    char narrow[2048];
    if (WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, NULL, NULL) == 0)
        return false;
    return CopyText(text, size, narrow);
}

void ComboChoose(HWND page, int controlId, int index)
{
    HWND combo = GetDlgItem(page, controlId);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void ControlText(HWND page, int controlId, char *text, int size)
{
    text[0] = '\0';
    SendMessageA(GetDlgItem(page, controlId), WM_GETTEXT, size, reinterpret_cast<LPARAM>(text));
}

int FocusedControl(HWND page)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(page, NULL), &info) || info.hwndFocus == NULL)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

void PressButton(HWND page, int controlId)
{
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, controlId)));
}

void PressKey(HWND page, UINT virtualKey)
{
    // The dialog manager sees keys posted to the control that has the focus.
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(page, NULL), &info);
    HWND target = info.hwndFocus != NULL ? info.hwndFocus : page;
    PostMessageA(target, WM_KEYDOWN, virtualKey, 0x00000001);
    PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
}

void PressCloseBox(HWND page)
{
    PostMessageA(page, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool SaveWindowPicture(HWND window, const char *bmpPath)
{
    RECT rect;
    if (!GetWindowRect(window, &rect))
        return false;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    DWORD rowBytes = ((DWORD)width * 3 + 3) & ~3u;
    DWORD imageBytes = rowBytes * height;
    HGLOBAL pixelsBlock = GlobalAlloc(GMEM_FIXED, imageBytes);
    bool saved = false;
    if (pixelsBlock != NULL &&
        GetDIBits(memory, bitmap, 0, height, pixelsBlock, reinterpret_cast<BITMAPINFO *>(&info),
                  DIB_RGB_COLORS) != 0) {
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;  // "BM"
        file.bfOffBits = sizeof file + sizeof info;
        file.bfSize = file.bfOffBits + imageBytes;
        HANDLE out = CreateFileA(bmpPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (out != INVALID_HANDLE_VALUE) {
            DWORD written;
            saved = WriteFile(out, &file, sizeof file, &written, NULL) &&
                    WriteFile(out, &info, sizeof info, &written, NULL) &&
                    WriteFile(out, pixelsBlock, imageBytes, &written, NULL);
            CloseHandle(out);
        }
    }
    if (pixelsBlock != NULL)
        GlobalFree(pixelsBlock);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return saved;
}
