#include "app/setup_window.h"

#include "app/look_3d.h"
#include "app/run_state.h"
#include "config/kovelt_ini.h"
#include "printers/printer_table.h"
#include "resources/resource_ids.h"
#include "wizard/selection_dialog.h"

const char kSetupWindowClass[] = "Setup Fax Printer";
const char kSetupWindowTitle[] = "FP Installation";

// WM_USER wParam values: to the SetupWindow, 0 opens the first page; to the
// installing program, 1 tells it the wizard has ended.
enum { kStartWizard = 0, kWizardEnded = 1 };

static void NotifyInstaller()
{
    SendMessageA(g_installerWindow, WM_USER, kWizardEnded, 0);
}

static void OnStartWizard(HWND window)
{
    DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_SELECTION), window, SelectionDialogProc, 0);
    DestroyWindow(window);
}

LRESULT CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_USER:
        if (wParam == kStartWizard)
            OnStartWizard(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Builds and locks the printer table; false when the machine has no usable printer.
static bool TakePrinterTable()
{
    static const PrinterKey kNoWantedPrinter = {"", "", ""};
    g_printerTableBlock = BuildPrinterTable(&kNoWantedPrinter);
    if (g_printerTableBlock != NULL)
        g_printerTable = static_cast<PrinterTable *>(GlobalLock(g_printerTableBlock));
    return g_printerTable != NULL && g_printerTable->EntryCount != 0;
}

static bool RegisterSetupWindowClass()
{
    WNDCLASSA windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = SetupWindowProc;
    windowClass.hInstance = g_instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kSetupWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

static int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int RunWizard(HINSTANCE instance)
{
    // The handle arrives as a decimal integer in KOVELT.INI.
    g_installerWindow = reinterpret_cast<HWND>(
        static_cast<UINT_PTR>(ReadKoveltInt(kSectionInstall, kKeyInstallerWindow, 0)));
    bool havePrinters = TakePrinterTable();
    if (FindWindowA(kSetupWindowClass, NULL) != NULL)
        return 0;  // another wizard is running
    if (!havePrinters)
        return 0;  // nothing the suite could print or fax with
    g_instance = instance;
    if (!RegisterSetupWindowClass()) {
        NotifyInstaller();
        return 0;
    }
    g_setupWindow = CreateWindowExA(0, kSetupWindowClass, kSetupWindowTitle, 0,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                    NULL, NULL, instance, NULL);
    if (g_setupWindow == NULL)
        return 0;
    Apply3dLook(instance);
    PostMessageA(g_setupWindow, WM_USER, kStartWizard, 0);
    int exitCode = RunMessageLoop();
    NotifyInstaller();
    return exitCode;
}
