// The first page's word-processor list (control 1003).
#pragma once

#include <windows.h>

// Fills the list with the registered word processors and sets the ProcessorCode and
// program path of the preferred one; selects the first entry.
void InitWordProcessorList(HWND dialog);

// Sets the ProcessorCode that belongs to a five-character list prefix ("*.DOC");
// any other text changes nothing.
void SelectWordProcessorCode(const char *prefix);

// Looks up the program registered for extension, as FindRegisteredProgram does
// (description: a buffer of kRegistryValueSize bytes), and copies its short path into
// programPath, a buffer of kProgramPathSize bytes. False, with programPath untouched,
// when no program is found or its path does not fit whole: a cut path would name
// another file.
bool LookUpWordProcessor(const char *extension, char *description, char *programPath);
