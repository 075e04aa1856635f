#include "printers/printer_lists.h"

#include "app/bounded_text.h"
#include "config/kovelt_ini.h"
#include "printers/printer_table.h"
#include "resources/resource_ids.h"

bool FormatPrinterItem(const PrinterEntry *entry, char *item, int size)
{
    return JoinText(item, size, entry->DeviceName, ", ", entry->DriverName, ", ",
                    entry->PortName, NULL);
}

// A printer whose item text is too long for the selection is not offered at all:
// a cut text would name a printer that does not exist, and the suite's utilities
// would be set up with it.
static bool EntryIsOffered(const PrinterEntry *entry)
{
    char item[kPrinterItemSize];
    return FormatPrinterItem(entry, item, sizeof item);
}

// The list position of a table entry: the number of offered entries before it.
// -1 when the entry itself is not offered.
static int ListPosition(PrinterTable *table, WORD index)
{
    PrinterEntry *entries = PrinterEntries(table);
    if (index >= table->EntryCount || !EntryIsOffered(&entries[index]))
        return -1;
    int position = 0;
    for (WORD i = 0; i < index; ++i) {
        if (EntryIsOffered(&entries[i]))
            ++position;
    }
    return position;
}

// Selects the item of a table entry; the first item when that entry is not listed.
static void SelectEntry(HWND dialog, int controlId, PrinterTable *table, WORD index)
{
    int position = ListPosition(table, index);
    if (position < 0)
        position = 0;
    SendDlgItemMessageA(dialog, controlId, CB_SETCURSEL, position, 0);
}

void FillPrinterCombo(HWND dialog, PrinterTable *table, int controlId)
{
    HWND combo = GetDlgItem(dialog, controlId);
    PrinterEntry *entries = PrinterEntries(table);
    for (WORD i = 0; i < table->EntryCount; ++i) {
        char item[kPrinterItemSize];
        if (FormatPrinterItem(&entries[i], item, sizeof item))
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
}

void InitPrinterList(HWND dialog, PrinterTable *table)
{
    FillPrinterCombo(dialog, table, IDC_PRINTER_LIST);
    SelectEntry(dialog, IDC_PRINTER_LIST, table, table->DefaultIndex);
    table->PrinterIndex = table->DefaultIndex;
}

void InitFaxList(HWND dialog, PrinterTable *table)
{
    FillPrinterCombo(dialog, table, IDC_FAX_LIST);
    MatchFaxDevice(table);
    SelectEntry(dialog, IDC_FAX_LIST, table, table->FaxIndex);
}

// The entry whose device name is exactly name (case-sensitive), or kNoIndex.
static WORD FindDevice(PrinterTable *table, const char *name)
{
    PrinterEntry *entries = PrinterEntries(table);
    for (WORD i = 0; i < table->EntryCount; ++i) {
        if (lstrcmpA(name, entries[i].DeviceName) == 0)
            return i;
    }
    return kNoIndex;
}

void MatchFaxDevice(PrinterTable *table)
{
    table->FaxIndex = kNoIndex;
    UINT count = ReadKoveltInt(kSectionFaxDevices, kKeyFaxCount, 0);
    if (count > kFaxKeyLimit)
        count = kFaxKeyLimit;
    // The lowest-numbered key that names a printer decides; later keys are not
    // read at all.
    for (UINT n = 1; n <= count; ++n) {
        char number[12];
        char keyName[kFaxKeyNameSize];
        FormatDecimal(number, sizeof number, static_cast<int>(n));
        JoinText(keyName, sizeof keyName, kKeyFaxPrefix, number, NULL);
        char device[kFaxDeviceValueSize];
        ReadKoveltText(kSectionFaxDevices, keyName, "", device, sizeof device);
        WORD index = FindDevice(table, device);
        if (index != kNoIndex) {
            table->FaxIndex = index;
            return;
        }
    }
    // No known fax device among the printers: the first printer is preselected.
    table->FaxIndex = 0;
}
