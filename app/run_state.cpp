#include "app/run_state.h"

HINSTANCE g_instance;
HWND g_installerWindow;
HWND g_setupWindow;
HGLOBAL g_printerTableBlock;
PrinterTable *g_printerTable;

void ReleasePrinterTable()
{
    if (g_printerTableBlock == NULL)
        return;
    GlobalUnlock(g_printerTableBlock);
    GlobalFree(g_printerTableBlock);
    g_printerTableBlock = NULL;
    g_printerTable = NULL;
}
