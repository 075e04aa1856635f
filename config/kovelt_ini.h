// KOVELT.INI and the suite's settings files: every section, key, default and
// buffer size this program reads or writes, in one place.
//
// KOVELT.INI is always named bare, so the profile routines find and create it in
// the Windows directory. Settings files are profile files named by full path.
#pragma once

#include <windows.h>

extern const char kKoveltIni[];  // "KOVELT.INI"

// [INSTALL] HWND: the installing program's window, decimal; read as an integer, 0 when missing.
extern const char kSectionInstall[];
extern const char kKeyInstallerWindow[];

// [FaxDevices] Count (integer, 0 when missing) and Fax1..FaxCount (device names).
extern const char kSectionFaxDevices[];
extern const char kKeyFaxCount[];
extern const char kKeyFaxPrefix[];  // "Fax", followed by the number
enum { kFaxDeviceValueSize = 50, kFaxKeyNameSize = 12 };
// The most fax keys ever read, whatever Count says: a damaged Count must neither
// overflow the key name nor keep the first page busy with millions of reads.
enum { kFaxKeyLimit = 999 };

// [KoveltSystem]: Kovelt is the suite's install directory (ending in a separator);
// keys 1..14 are the action slots, each with a display name under [KoveltKeyname].
extern const char kSectionKoveltSystem[];
extern const char kKeyInstallDirectory[];
extern const char kSectionKoveltKeyname[];
enum {
    kInstallDirectorySize = 260,
    kActionSlotCount = 14,
    kSlotFreeTestSize = 100,  // a slot read only to see whether it is empty
    kSlotValueSize = 200,     // a slot read to compare its value
    kSlotKeySize = 12,
};

// [KoveltSupportedAPs] Recognita: not empty when the OCR application is installed.
extern const char kSectionSupportedApps[];
extern const char kKeyOcrApplication[];
enum { kSupportedAppSize = 260 };

// [Recognita] <ProcessorCode>: first field, ", ", the word processor's short path.
extern const char kSectionRecognita[];
enum { kRecognitaValueSize = 200 };

// [ScanAndSave] 1, 2, 3...: program entries "display name, short path", numbered
// without gaps. [ScanAndSave] SETTING: the pattern of the scan-and-save settings files.
extern const char kSectionScanAndSave[];
enum { kScanAndSaveEntrySize = 300, kScanAndSaveNumberSize = 4 };

// [CopyUtility] SETTING and [FaxUtility] SETTING: patterns of the copy and fax
// settings files; the same section names are used inside those files.
extern const char kSectionCopyUtility[];
extern const char kSectionFaxUtility[];
extern const char kKeySettingPattern[];
extern const char kDefaultScanAndSavePattern[];  // "c:\kovelt\settings\*.fil"
extern const char kDefaultCopyPattern[];         // "c:\kovelt\settings\*.cpy"
extern const char kDefaultFaxPattern[];          // "c:\kovelt\settings\*.fax"
enum { kSettingPatternSize = 150 };
// A pattern's file part ("*.cpy") is this long; dropping it leaves the settings directory.
enum { kPatternFilePartLength = 5 };

// Keys written into the settings files.
extern const char kKeyCopyPrinter[];  // [CopyUtility] Printer in each copy settings file
extern const char kKeyFaxDevice[];    // [FaxUtility] FAX in each fax settings file
extern const char kKeyFileFormat[];   // [ScanAndSave] FileFormat in the file-format file

// The file-format file: the scan-and-save settings directory, then these two.
extern const char kFileFormatBaseName[];  // "BESTFIT", also the setting name in slot values
extern const char kFileFormatExtension[]; // ".FLE"

// Display names of the two actions, and the help file.
extern const char kImageActionName[];  // "Scan for Image Editing"
extern const char kOcrActionName[];    // "OCR for Word Process"
extern const char kHelpFileName[];     // "rlyoset.hlp"

// Profile access to KOVELT.INI. Reads size their buffers with sizeof at the call.
DWORD ReadKoveltText(const char *section, const char *key, const char *defaultValue,
                     char *buffer, DWORD size);
UINT ReadKoveltInt(const char *section, const char *key, INT defaultValue);
void WriteKoveltText(const char *section, const char *key, const char *value);
