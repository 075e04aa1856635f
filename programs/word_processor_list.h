// The first page's word-processor list (control 1003).
#pragma once

#include <windows.h>

// Fills the list with the registered word processors and sets the ProcessorCode and
// program path of the preferred one; selects the first entry.
void InitWordProcessorList(HWND dialog);

// Sets the ProcessorCode that belongs to a five-character list prefix ("*.DOC");
// any other text changes nothing.
void SelectWordProcessorCode(const char *prefix);
