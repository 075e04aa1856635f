// The table of usable printers, packed into one movable global memory block:
// a header of four 16-bit fields, EntryCount entries of three string references,
// then the strings themselves (device, driver, port of each entry, back to back).
#pragma once

#include <windows.h>

enum { kNoIndex = 0xFFFF };

struct PrinterEntry {
    char *DeviceName;  // the key in WIN.INI [devices]
    char *DriverName;  // first field of its value
    char *PortName;    // second field of its value
};

struct PrinterTable {
    WORD EntryCount;
    WORD PrinterIndex;  // the selected printer
    WORD FaxIndex;      // set when the fax list is filled; not by the build
    WORD DefaultIndex;  // the WIN.INI default printer, after fallbacks
    // EntryCount PrinterEntry records follow, then the string area.
};

// A printer to look for: device, driver and port names.
struct PrinterKey {
    const char *DeviceName;
    const char *DriverName;
    const char *PortName;
};

enum {
    kPrinterHeaderSize = sizeof(PrinterTable),  // 8
    kPrinterEntrySize = sizeof(PrinterEntry),   // 12 on i686, 24 on x86_64
    kKeyListSize = 2048,
    kDeviceValueSize = 80,
    kMaxPrinterTableSize = 0xFFFF,
};

inline PrinterEntry *PrinterEntries(PrinterTable *table)
{
    return reinterpret_cast<PrinterEntry *>(reinterpret_cast<BYTE *>(table) + kPrinterHeaderSize);
}

// Builds the table from WIN.INI. Returns the unlocked block, or NULL when nothing is usable.
HGLOBAL BuildPrinterTable(const PrinterKey *wanted);

// 1 when a device context can be made for the printer and it reports a technology.
int ProbePrinter(const char *deviceName, const char *driverName, const char *portName);

// Index of the first entry equal in all three names (case-sensitive), or kNoIndex.
WORD FindPrinterEntry(const PrinterKey *key, PrinterTable *table);

// How many times ProbePrinter has run in this process: each usable-looking printer
// costs a device context, so the build probes each one once.
unsigned PrinterProbeCount();
