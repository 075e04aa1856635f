#include "tests/support/test_env.h"

#include "config/kovelt_ini.h"

static const char kMissing[] = "<missing>";

void ClearPrinters()
{
    char names[8192];
    DWORD length = GetProfileStringA("devices", NULL, "", names, sizeof names);
    std::vector<std::string> keys;
    for (DWORD i = 0; i < length && names[i] != '\0'; i += lstrlenA(names + i) + 1)
        keys.push_back(names + i);
    for (const std::string &key : keys)
        WriteProfileStringA("devices", key.c_str(), NULL);
    WriteProfileStringA("Windows", "device", NULL);
}

void AddPrinter(const char *device, const char *value)
{
    WriteProfileStringA("devices", device, value);
}

void SetWinIniDefaultPrinter(const char *value)
{
    WriteProfileStringA("Windows", "device", value);
}

std::string WindowsDirectory()
{
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return dir;
}

std::string KoveltIniPath()
{
    return WindowsDirectory() + "\\" + kKoveltIni;
}

void FlushProfileCache()
{
    WritePrivateProfileStringA(NULL, NULL, NULL, kKoveltIni);
}

void RemoveKoveltIni()
{
    FlushProfileCache();
    DeleteFileA(KoveltIniPath().c_str());
    FlushProfileCache();
}

bool KoveltIniExists()
{
    return FileExists(KoveltIniPath());
}

void SetKovelt(const char *section, const char *key, const char *value)
{
    WritePrivateProfileStringA(section, key, value, kKoveltIni);
}

std::string GetProfile(const std::string &file, const char *section, const char *key)
{
    char value[1024];
    GetPrivateProfileStringA(section, key, kMissing, value, sizeof value, file.c_str());
    return value;
}

std::string GetKovelt(const char *section, const char *key)
{
    return GetProfile(kKoveltIni, section, key);
}

std::string ReadWholeFile(const std::string &path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, NULL) && got > 0)
        text.append(chunk, got);
    CloseHandle(file);
    return text;
}

void WriteWholeFile(const std::string &path, const std::string &text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), (DWORD)text.size(), &written, NULL);
    CloseHandle(file);
}

bool FileExists(const std::string &path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeDirectories(const std::string &path)
{
    for (size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), NULL);
    }
}

void RemoveTree(const std::string &path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

void RegisterFileType(const char *extension, const char *typeName, const char *description,
                      const char *openCommand)
{
    RegSetValueA(HKEY_CLASSES_ROOT, extension, REG_SZ, typeName, lstrlenA(typeName));
    if (description != NULL)
        RegSetValueA(HKEY_CLASSES_ROOT, typeName, REG_SZ, description, lstrlenA(description));
    if (openCommand != NULL) {
        std::string key = std::string(typeName) + "\\shell\\open\\command";
        RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, openCommand, lstrlenA(openCommand));
    }
}

static void DeleteKeyTree(HKEY root, const std::string &path)
{
    HKEY key;
    if (RegOpenKeyA(root, path.c_str(), &key) == ERROR_SUCCESS) {
        char child[256];
        while (RegEnumKeyA(key, 0, child, sizeof child) == ERROR_SUCCESS)
            DeleteKeyTree(key, child);
        RegCloseKey(key);
    }
    RegDeleteKeyA(root, path.c_str());
}

void UnregisterFileType(const char *extension, const char *typeName)
{
    DeleteKeyTree(HKEY_CLASSES_ROOT, extension);
    if (typeName != NULL)
        DeleteKeyTree(HKEY_CLASSES_ROOT, typeName);
}

std::string ShortPath(const std::string &longPath)
{
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(longPath.c_str(), shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath)
        return longPath;
    return shortPath;
}
