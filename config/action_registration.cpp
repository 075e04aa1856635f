#include "config/action_registration.h"

#include <windows.h>

#include "app/bounded_text.h"
#include "app/next_token.h"
#include "config/kovelt_ini.h"
#include "config/settings_stamp.h"
#include "config/setup_selection.h"
#include "programs/processor_codes.h"
#include "programs/registered_program.h"

// The extensions whose registered program is taken as the image editor, in order
// of preference, with the file format the scan-and-save utility then saves in.
static const char kTiffExtension[] = ".TIF";
static const char kPcxExtension[] = ".PCX";
static const char kTiffFileFormat[] = "0";
static const char kPcxFileFormat[] = "2";
enum { kFileFormatCodeSize = 4 };

enum {
    // The scan-and-save directory (at most 144 characters) with "BESTFIT.FLE"
    // behind it can outgrow the pattern's 150 bytes; the path gets full room.
    kFileFormatPathSize = MAX_PATH,
    // An entry value holds the display name, ", " and a path of up to 255
    // characters; entries are read back in buffers of this size.
    kEntryValueSize = kScanAndSaveEntrySize,
};

static const char kFieldSeparator[] = ", ";

// --- Looking for what earlier runs and other components registered

// Reads action slot n of [KoveltSystem]; "" when the slot is free.
static void ReadActionSlot(int slot, char *value, DWORD size)
{
    char key[kSlotKeySize];
    FormatDecimal(key, sizeof key, slot);
    ReadKoveltText(kSectionKoveltSystem, key, "", value, size);
}

int ScanAndSaveEntryIsNew(int *entryNumber, const char *programPath)
{
    for (;;) {
        ++*entryNumber;
        // Entry numbers have three digits at most; the search ends there, and the
        // caller sees from the number that it cannot use it.
        char key[kScanAndSaveNumberSize];
        if (!FormatDecimal(key, sizeof key, *entryNumber))
            return 1;
        char value[kScanAndSaveEntrySize];
        ReadKoveltText(kSectionScanAndSave, key, "", value, sizeof value);
        if (value[0] == '\0')
            return 1;
        // "display name, path": the name runs to the first comma, the path from
        // after the commas and blanks that follow it to the next blank or comma.
        NextToken(value, kDelimComma);
        const char *path = NextToken(NULL, kDelimCommaBlank);
        if (path != NULL && lstrcmpA(path, programPath) == 0)
            return 0;
    }
}

int ImageActionIsNew(const char *entryNumberText)
{
    for (int slot = 1; slot <= kActionSlotCount; ++slot) {
        char value[kSlotValueSize];
        ReadActionSlot(slot, value, sizeof value);
        // Any run of commas and blanks separates, so "ScanAndSave,BESTFIT,3"
        // counts as well as the form written here.
        const char *section = NextToken(value, kDelimCommaBlank);
        const char *setting = NextToken(NULL, kDelimCommaBlank);
        const char *entry = NextToken(NULL, kDelimCommaBlank);
        if (section != NULL && setting != NULL && entry != NULL &&
            lstrcmpA(section, kSectionScanAndSave) == 0 &&
            lstrcmpA(setting, kFileFormatBaseName) == 0 &&
            lstrcmpA(entry, entryNumberText) == 0)
            return 0;
    }
    return 1;
}

int ActionValueIsNew(const char *value)
{
    for (int slot = 1; slot <= kActionSlotCount; ++slot) {
        char slotValue[kSlotValueSize];
        ReadActionSlot(slot, slotValue, sizeof slotValue);
        if (slotValue[0] != '\0' && lstrcmpA(slotValue, value) == 0)
            return 0;
    }
    return 1;
}

// --- The image-editing action

// Finds the image editor: the program registered for TIFF files, else the one for
// PCX files, with the file format the scan-and-save utility is to use for it.
static bool FindImageEditor(char *editorPath, const char **fileFormat)
{
    char description[kRegistryValueSize];
    *fileFormat = kTiffFileFormat;
    if (FindRegisteredProgram(kTiffExtension, description, editorPath))
        return true;
    *fileFormat = kPcxFileFormat;
    return FindRegisteredProgram(kPcxExtension, description, editorPath) != 0;
}

// Sets the file format of the scan-and-save "BESTFIT" setting, in the file-format
// file of the scan-and-save settings directory. A pattern that gives no
// directory leaves the format alone rather than writing it somewhere else.
static void WriteFileFormat(const char *fileFormat)
{
    char pattern[kSettingPatternSize];
    ReadKoveltText(kSectionScanAndSave, kKeySettingPattern, kDefaultScanAndSavePattern,
                   pattern, sizeof pattern);
    if (!CutToSettingsDirectory(pattern))
        return;
    char path[kFileFormatPathSize];
    if (!JoinText(path, sizeof path, pattern, kFileFormatBaseName, kFileFormatExtension, NULL))
        return;
    WritePrivateProfileStringA(kSectionScanAndSave, kKeyFileFormat, fileFormat, path);
}

// The image-editing step for a free slot. Records the image editor as a
// scan-and-save entry and, unless a slot already names that entry, registers the
// action in this slot. True when it wrote the slot.
static bool RegisterImageAction(const char *slotKey)
{
    char editorPath[kRegistryValueSize];
    const char *fileFormat;
    if (!FindImageEditor(editorPath, &fileFormat))
        return false;

    int entryNumber = 0;
    int entryIsNew = ScanAndSaveEntryIsNew(&entryNumber, editorPath);
    // Past entry 999 the number does not fit the slot value's three digits;
    // a slot naming a cut number would send the action to another program.
    char entryText[kScanAndSaveNumberSize];
    if (!FormatDecimal(entryText, sizeof entryText, entryNumber))
        return false;

    // Written also when the entry exists, so that it carries this action's name.
    char entryValue[kEntryValueSize];
    if (!JoinText(entryValue, sizeof entryValue, kImageActionName, kFieldSeparator, editorPath,
                  NULL))
        return false;
    WriteKoveltText(kSectionScanAndSave, entryText, entryValue);

    if (!entryIsNew && !ImageActionIsNew(entryText))
        return false;

    char slotValue[kSlotValueSize];
    JoinText(slotValue, sizeof slotValue, kSectionScanAndSave, kFieldSeparator,
             kFileFormatBaseName, kFieldSeparator, entryText, NULL);
    WriteKoveltText(kSectionKoveltSystem, slotKey, slotValue);
    WriteKoveltText(kSectionKoveltKeyname, slotKey, kImageActionName);
    WriteFileFormat(fileFormat);
    return true;
}

// --- The OCR action

// Builds the word processor's new [Recognita] value from its old one: the old
// first field, which belongs to the OCR application, then ", " and the program
// path. False when the result would not fit, or when the old value filled the
// read buffer with no comma after its first field, so that the field itself may
// have been cut: a cut value would hand the OCR application a wrong entry.
static bool BuildRecognitaValue(char *value, int size, int readLength, const char *programPath)
{
    char *firstField = NextToken(value, kDelimComma);
    if (firstField == NULL) {
        // An empty value, or commas only: the first field is empty.
        firstField = value + readLength;
    } else if (readLength >= size - 1 &&
               firstField + lstrlenA(firstField) == value + readLength) {
        return false;
    }
    // The first field lies inside value: join it aside, then copy it back.
    char joined[kRecognitaValueSize];
    if (!JoinText(joined, sizeof joined, firstField, kFieldSeparator, programPath, NULL))
        return false;
    return CopyText(value, size, joined);
}

// The OCR step for a free slot: gives the OCR application the word processor's
// path and, unless a slot already holds this action, registers it in this slot.
static void RegisterOcrAction(const char *slotKey)
{
    const char *code = g_selection.ProcessorCode;
    char value[kRecognitaValueSize];
    DWORD readLength = ReadKoveltText(kSectionRecognita, code, "", value, sizeof value);
    if (!BuildRecognitaValue(value, sizeof value, readLength, g_selection.ProgramPath))
        return;
    WriteKoveltText(kSectionRecognita, code, value);

    JoinText(value, sizeof value, kSectionRecognita, kFieldSeparator, OcrSettingWord(code), code,
             NULL);
    if (!ActionValueIsNew(value))
        return;
    WriteKoveltText(kSectionKoveltSystem, slotKey, value);
    WriteKoveltText(kSectionKoveltKeyname, slotKey, kOcrActionName);
}

// --- The slot walk

static bool OcrApplicationInstalled()
{
    char installed[kSupportedAppSize];
    ReadKoveltText(kSectionSupportedApps, kKeyOcrApplication, "", installed, sizeof installed);
    return installed[0] != '\0';
}

void RegisterActions()
{
    // Without a word processor there is nothing to hand the OCR text to; an
    // empty key and a bare "Recognita, " slot would only confuse other readers.
    bool ocrSettled = !OcrApplicationInstalled() || g_selection.ProcessorCode[0] == '\0' ||
                      g_selection.ProgramPath[0] == '\0';
    bool imageSettled = false;
    for (int slot = 1; slot <= kActionSlotCount; ++slot) {
        char value[kSlotFreeTestSize];
        ReadActionSlot(slot, value, sizeof value);
        if (value[0] == '\0') {
            char key[kSlotKeySize];
            FormatDecimal(key, sizeof key, slot);
            // The OCR action may share the free slot only when the image action
            // left it free.
            bool slotTaken = false;
            if (!imageSettled) {
                slotTaken = RegisterImageAction(key);
                imageSettled = true;
            }
            if (!ocrSettled && !slotTaken) {
                RegisterOcrAction(key);
                ocrSettled = true;
            }
        }
        if (imageSettled && ocrSettled)
            return;
    }
}

void ApplySetup()
{
    StampSettingsFiles();
    RegisterActions();
}
