// The first page's printer list (control 1001) and fax list (control 1002).
#pragma once

#include <windows.h>

struct PrinterTable;

enum { kPrinterItemSize = 100 };

void FillPrinterCombo(HWND dialog, PrinterTable *table, int controlId);
void InitPrinterList(HWND dialog, PrinterTable *table);
void InitFaxList(HWND dialog, PrinterTable *table);
void MatchFaxDevice(PrinterTable *table);
