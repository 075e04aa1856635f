// Helpers that give each test a known machine: printers in WIN.INI, KOVELT.INI,
// files on C:, and registry keys, all inside the test's own Wine prefix.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// --- WIN.INI printers (the platform keeps [devices] and [Windows] in the registry)
void ClearPrinters();
// Adds [devices] device=value. "DISPLAY,port" opens under Wine; an unknown driver does not.
void AddPrinter(const char *device, const char *value);
void SetWinIniDefaultPrinter(const char *value);  // [Windows] device=..., NULL removes it

// --- KOVELT.INI in the Windows directory
std::string KoveltIniPath();
void RemoveKoveltIni();
void SetKovelt(const char *section, const char *key, const char *value);  // NULL value removes
std::string GetKovelt(const char *section, const char *key);  // "<missing>" when absent
bool KoveltIniExists();

// --- Files
std::string ReadWholeFile(const std::string &path);  // "" when missing
void WriteWholeFile(const std::string &path, const std::string &text);
bool FileExists(const std::string &path);
void MakeDirectories(const std::string &path);  // like mkdir -p
void RemoveTree(const std::string &path);
// A profile value of any file ("<missing>" when absent), read through the platform.
std::string GetProfile(const std::string &file, const char *section, const char *key);
// Drops the platform's cached copies of profile files changed behind its back.
void FlushProfileCache();

// --- HKEY_CLASSES_ROOT
// Registers extension -> typeName, typeName's description, and its open command
// (NULL for no open-command key).
void RegisterFileType(const char *extension, const char *typeName, const char *description,
                      const char *openCommand);
void UnregisterFileType(const char *extension, const char *typeName);

// --- Paths
std::string WindowsDirectory();
std::string ShortPath(const std::string &longPath);
