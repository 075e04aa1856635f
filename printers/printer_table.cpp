#include "printers/printer_table.h"

#include "app/bounded_text.h"
#include "app/next_token.h"

static const char kDevicesSection[] = "devices";
static const char kWindowsSection[] = "Windows";
static const char kDefaultDeviceKey[] = "device";

static unsigned s_probeCount;

unsigned PrinterProbeCount()
{
    return s_probeCount;
}

int ProbePrinter(const char *deviceName, const char *driverName, const char *portName)
{
    ++s_probeCount;
    HDC dc = CreateDCA(driverName, deviceName, portName, NULL);
    if (dc == NULL)
        return 0;
    // A plotter reports technology 0 and is of no use to the suite.
    int technology = GetDeviceCaps(dc, TECHNOLOGY);
    DeleteDC(dc);
    return technology != 0 ? 1 : 0;
}

WORD FindPrinterEntry(const PrinterKey *key, PrinterTable *table)
{
    PrinterEntry *entries = PrinterEntries(table);
    for (WORD i = 0; i < table->EntryCount; ++i) {
        if (lstrcmpA(key->DeviceName, entries[i].DeviceName) == 0 &&
            lstrcmpA(key->DriverName, entries[i].DriverName) == 0 &&
            lstrcmpA(key->PortName, entries[i].PortName) == 0)
            return i;
    }
    return kNoIndex;
}

// The [devices] value of one key, split into driver and port. False when the
// value is missing or empty, or lacks either field.
static bool ReadDeviceValue(const char *deviceName, char *value, DWORD size,
                            char **driverName, char **portName)
{
    if (GetProfileStringA(kDevicesSection, deviceName, "", value, size) == 0)
        return false;
    *driverName = NextToken(value, kDelimCommaBlank);
    *portName = NextToken(NULL, kDelimCommaBlank);
    return *driverName != NULL && *portName != NULL;
}

// Appends one name and its terminator to the recorded names.
static void RecordName(char *strings, DWORD *total, const char *name)
{
    CopyText(strings + *total, kMaxPrinterTableSize - *total, name);
    *total += lstrlenA(name) + 1;
}

// Measuring pass: admits every printer of the key list that can be opened and
// records its three names, back to back, in strings. The walk stops before a
// printer that would take the table past 65,535 bytes. Returns the count and,
// in *stringTotal, the bytes recorded.
static WORD MeasurePrinters(const char *keyList, char *strings, WORD *stringTotal)
{
    WORD count = 0;
    DWORD total = 0;
    char value[kDeviceValueSize];
    const char *end = keyList + kKeyListSize;
    for (const char *name = keyList; name < end && *name != '\0'; name += lstrlenA(name) + 1) {
        char *driverName;
        char *portName;
        if (!ReadDeviceValue(name, value, sizeof value, &driverName, &portName))
            continue;
        DWORD need = lstrlenA(name) + lstrlenA(driverName) + lstrlenA(portName) + 3;
        DWORD size = kPrinterHeaderSize + (DWORD)kPrinterEntrySize * (count + 1) + total + need;
        if (size > kMaxPrinterTableSize)
            break;
        if (!ProbePrinter(name, driverName, portName))
            continue;
        RecordName(strings, &total, name);
        RecordName(strings, &total, driverName);
        RecordName(strings, &total, portName);
        ++count;
    }
    *stringTotal = (WORD)total;
    return count;
}

// Filling pass: copies the recorded names into the table's string area and points
// the entries at them. Nothing is read or probed again, so the table always holds
// exactly what was measured.
static void FillPrinterTable(PrinterTable *table, WORD count, const char *strings, WORD stringTotal)
{
    PrinterEntry *entries = PrinterEntries(table);
    char *area = reinterpret_cast<char *>(entries + count);
    CopyMemory(area, strings, stringTotal);
    char *next = area;
    for (WORD i = 0; i < count; ++i) {
        entries[i].DeviceName = next;
        next += lstrlenA(next) + 1;
        entries[i].DriverName = next;
        next += lstrlenA(next) + 1;
        entries[i].PortName = next;
        next += lstrlenA(next) + 1;
    }
    table->EntryCount = count;
}

// The default printer named by WIN.INI [Windows] device, or kNoIndex.
static WORD FindDefaultPrinter(PrinterTable *table)
{
    char value[kDeviceValueSize];
    if (GetProfileStringA(kWindowsSection, kDefaultDeviceKey, "", value, sizeof value) == 0)
        return kNoIndex;
    // The device name may hold blanks; driver and port end at a comma or a blank.
    PrinterKey key;
    char *device = NextToken(value, kDelimComma);
    char *driver = NextToken(NULL, kDelimCommaBlank);
    char *port = NextToken(NULL, kDelimCommaBlank);
    key.DeviceName = device != NULL ? device : "";
    key.DriverName = driver != NULL ? driver : "";
    key.PortName = port != NULL ? port : "";
    return FindPrinterEntry(&key, table);
}

static void ApplyIndexFallbacks(PrinterTable *table)
{
    if (table->PrinterIndex == kNoIndex && table->DefaultIndex == kNoIndex) {
        table->PrinterIndex = 0;
        table->DefaultIndex = 0;
    } else if (table->PrinterIndex == kNoIndex) {
        table->PrinterIndex = table->DefaultIndex;
    } else if (table->DefaultIndex == kNoIndex) {
        table->DefaultIndex = table->PrinterIndex;
    }
}

// Builds the table from the locked key list; NULL when no printer is usable.
static HGLOBAL BuildFromKeyList(const PrinterKey *wanted, const char *keyList)
{
    HGLOBAL scratchBlock = GlobalAlloc(GMEM_MOVEABLE, kMaxPrinterTableSize);
    if (scratchBlock == NULL)
        return NULL;
    char *strings = static_cast<char *>(GlobalLock(scratchBlock));
    HGLOBAL tableBlock = NULL;
    WORD stringTotal = 0;
    WORD count = strings != NULL ? MeasurePrinters(keyList, strings, &stringTotal) : 0;
    if (count != 0) {
        WORD size = (WORD)(stringTotal + kPrinterEntrySize * count + kPrinterHeaderSize);
        tableBlock = GlobalAlloc(GMEM_MOVEABLE, size);
    }
    PrinterTable *table = tableBlock != NULL ? static_cast<PrinterTable *>(GlobalLock(tableBlock)) : NULL;
    if (table != NULL) {
        FillPrinterTable(table, count, strings, stringTotal);
        table->PrinterIndex = FindPrinterEntry(wanted, table);
        table->DefaultIndex = FindDefaultPrinter(table);
        ApplyIndexFallbacks(table);
        GlobalUnlock(tableBlock);
    } else if (tableBlock != NULL) {
        GlobalFree(tableBlock);
        tableBlock = NULL;
    }
    if (strings != NULL)
        GlobalUnlock(scratchBlock);
    GlobalFree(scratchBlock);
    return tableBlock;
}

HGLOBAL BuildPrinterTable(const PrinterKey *wanted)
{
    HGLOBAL keyBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kKeyListSize);
    if (keyBlock == NULL)
        return NULL;
    char *keyList = static_cast<char *>(GlobalLock(keyBlock));
    HGLOBAL tableBlock = NULL;
    if (keyList != NULL) {
        if (GetProfileStringA(kDevicesSection, NULL, "", keyList, kKeyListSize) != 0)
            tableBlock = BuildFromKeyList(wanted, keyList);
        GlobalUnlock(keyBlock);
    }
    GlobalFree(keyBlock);
    return tableBlock;
}
