// Run-wide state of the wizard, in static storage for the whole run.
#pragma once

#include <windows.h>

struct PrinterTable;

extern HINSTANCE g_instance;           // the module, for the dialog templates
extern HWND g_installerWindow;         // from [INSTALL] HWND; receives the end notice
extern HWND g_setupWindow;             // the hidden owner window
extern HGLOBAL g_printerTableBlock;    // locked from start-up until the first page closes
extern PrinterTable *g_printerTable;   // its locked address

// Unlocks and frees the printer table; the first page calls it once as it closes.
void ReleasePrinterTable();
