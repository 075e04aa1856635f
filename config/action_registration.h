// Applying the user's choices: settings files, then the two actions in KOVELT.INI.
#pragma once

// Stamps the settings files, then registers the actions. Run once, on confirmation.
void ApplySetup();

// Registers the image-editing and OCR actions in free action slots, never twice.
void RegisterActions();

// Searches [ScanAndSave] from the entry after *entryNumber for programPath.
// 1: not found, *entryNumber is the first free number. 0: found at *entryNumber.
int ScanAndSaveEntryIsNew(int *entryNumber, const char *programPath);

// 1 when no action slot holds the image-editing action for that entry number.
int ImageActionIsNew(const char *entryNumberText);

// 1 when no action slot holds exactly value.
int ActionValueIsNew(const char *value);
