#include "tests/support/help_viewer.h"

static const char kHelpViewerClass[] = "MS_WINHELP";
static const ULONG_PTR kWinHelpData = 0xA1DE505;

static HelpRequest s_request;

static LRESULT CALLBACK HelpViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COPYDATA)
        return DefWindowProcA(window, message, wParam, lParam);
    const COPYDATASTRUCT *data = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
    if (data->dwData == kWinHelpData) {
        // WORD size, WORD command, LONG data, LONG reserved, WORD ofsFilename, WORD ofsData.
        const BYTE *record = static_cast<const BYTE *>(data->lpData);
        WORD command;
        WORD fileOffset;
        CopyMemory(&command, record + 2, sizeof command);
        CopyMemory(&fileOffset, record + 12, sizeof fileOffset);
        ++s_request.count;
        s_request.from = reinterpret_cast<HWND>(wParam);
        s_request.command = command;
        s_request.file = fileOffset != 0 ? reinterpret_cast<const char *>(record + fileOffset) : "";
    }
    return TRUE;
}

HWND StartHelpViewer()
{
    WNDCLASSA viewerClass = {};
    viewerClass.lpfnWndProc = HelpViewerProc;
    viewerClass.hInstance = GetModuleHandleA(NULL);
    viewerClass.lpszClassName = kHelpViewerClass;
    RegisterClassA(&viewerClass);  // fails harmlessly when already registered
    ResetHelpRequests();
    return CreateWindowExA(0, kHelpViewerClass, "", 0, 0, 0, 0, 0, NULL, NULL,
                           viewerClass.hInstance, NULL);
}

void StopHelpViewer(HWND viewer)
{
    DestroyWindow(viewer);
}

const HelpRequest &LastHelpRequest()
{
    return s_request;
}

void ResetHelpRequests()
{
    s_request = HelpRequest();
}
