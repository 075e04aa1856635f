#include "programs/registered_program.h"

#include <windows.h>

#include "app/bounded_text.h"
#include "app/next_token.h"

static const char kOpenCommandSuffix[] = "\\shell\\open\\command";
static const char kProgramExtension[] = ".EXE";
enum { kProgramExtensionLength = 4 };

// Reads the default value of a key under HKEY_CLASSES_ROOT into a buffer of
// kRegistryValueSize bytes. A value too long for the buffer fails the read.
static bool ReadClassValue(const char *keyName, char *value)
{
    LONG size = kRegistryValueSize;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, keyName, value, &size) != ERROR_SUCCESS)
        return false;
    // A value stored without its terminator comes back unterminated when it
    // fills the buffer; the text is taken apart below, so it must end here.
    value[kRegistryValueSize - 1] = '\0';
    return true;
}

// True when the field names a program file: at least one character before an
// extension of ".EXE". The field has been upper-cased already.
static bool IsProgramField(const char *field)
{
    int length = lstrlenA(field);
    return length > kProgramExtensionLength &&
           lstrcmpA(field + length - kProgramExtensionLength, kProgramExtension) == 0;
}

// Starts the program path with the first field of the open command: a field with
// a drive ("C:\...") stands as it is, anything else is taken to lie in the
// Windows directory. False when the path would not fit whole.
static bool StartProgramPath(const char *field, char *path, int size)
{
    if (lstrlenA(field) >= 3 && field[2] == '\\')
        return CopyText(path, size, field);
    char windowsDirectory[kWindowsDirectorySize];
    UINT length = GetWindowsDirectoryA(windowsDirectory, sizeof windowsDirectory);
    if (length == 0 || length >= sizeof windowsDirectory)
        return false;
    return JoinText(path, size, windowsDirectory, "\\", field, NULL);
}

// Builds the program path from the open command, taking the command apart in
// place: the fields up to and including the first one that ends in ".EXE",
// joined by one blank each. A path that names only part of the program would
// name another file, so a command that runs out of fields first, or a path that
// outgrows its buffer, gives no path at all.
static bool ProgramPathFromCommand(char *command, char *path, int size)
{
    char *field = NextToken(command, kDelimCommaQuoteBlank);
    if (field == NULL)
        return false;
    if (!StartProgramPath(field, path, size))
        return false;
    // Only the test sees capitals; the path keeps the letters as registered.
    CharUpperA(field);
    while (!IsProgramField(field)) {
        field = NextToken(NULL, kDelimCommaQuoteBlank);
        if (field == NULL)
            return false;
        if (!AppendText(path, size, " ") || !AppendText(path, size, field))
            return false;
        CharUpperA(field);
    }
    return true;
}

int FindRegisteredProgram(const char *extension, char *description, char *programPath)
{
    char typeName[kRegistryValueSize];
    if (!ReadClassValue(extension, typeName))
        return 0;
    // A file type without a description is not an error: the caller gets
    // whatever its buffer held.
    ReadClassValue(typeName, description);

    // A type name too long to take the suffix would name some other key.
    if (!AppendText(typeName, sizeof typeName, kOpenCommandSuffix))
        return 0;
    char command[kRegistryValueSize];
    if (!ReadClassValue(typeName, command))
        return 0;

    // Built aside so that the caller's path stays untouched when nothing is found.
    char path[kRegistryValueSize];
    if (!ProgramPathFromCommand(command, path, sizeof path))
        return 0;

    // The suite's files want the short form. When it cannot be had (the program
    // file is missing, say) the path stays as built, which still names the program.
    GetShortPathNameA(path, path, sizeof path);
    CopyText(programPath, kRegistryValueSize, path);
    return 1;
}
