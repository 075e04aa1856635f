// Finding the program registered to open files of an extension (HKEY_CLASSES_ROOT).
#pragma once

enum { kRegistryValueSize = 256, kWindowsDirectorySize = 144 };

// Looks up the open command registered for extension (e.g. ".doc", any case).
// description and programPath are the caller's buffers of kRegistryValueSize bytes.
// Returns 1 with programPath holding the program's short path and description the
// file type's description; 0 when no program is found (programPath untouched).
int FindRegisteredProgram(const char *extension, char *description, char *programPath);
