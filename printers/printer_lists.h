// The first page's printer list (control 1001) and fax list (control 1002).
#pragma once

#include <windows.h>

#include "config/setup_selection.h"

struct PrinterTable;
struct PrinterEntry;

// An item text ("device, driver, port") is what the selection stores and the suite's
// settings files receive, so it gets exactly the room of the selection's field.
enum { kPrinterItemSize = kDeviceTextSize };

void FillPrinterCombo(HWND dialog, PrinterTable *table, int controlId);
void InitPrinterList(HWND dialog, PrinterTable *table);
void InitFaxList(HWND dialog, PrinterTable *table);
void MatchFaxDevice(PrinterTable *table);

// Formats an entry's item text "device, driver, port" into item (size bytes).
// False when the whole text does not fit; such a printer is not offered.
bool FormatPrinterItem(const PrinterEntry *entry, char *item, int size);
