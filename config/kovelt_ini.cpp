#include "config/kovelt_ini.h"

const char kKoveltIni[] = "KOVELT.INI";

const char kSectionInstall[] = "INSTALL";
const char kKeyInstallerWindow[] = "HWND";

const char kSectionFaxDevices[] = "FaxDevices";
const char kKeyFaxCount[] = "Count";
const char kKeyFaxPrefix[] = "Fax";

const char kSectionKoveltSystem[] = "KoveltSystem";
const char kKeyInstallDirectory[] = "Kovelt";
const char kSectionKoveltKeyname[] = "KoveltKeyname";

const char kSectionSupportedApps[] = "KoveltSupportedAPs";
const char kKeyOcrApplication[] = "Recognita";

const char kSectionRecognita[] = "Recognita";

const char kSectionScanAndSave[] = "ScanAndSave";

const char kSectionCopyUtility[] = "CopyUtility";
const char kSectionFaxUtility[] = "FaxUtility";
const char kKeySettingPattern[] = "SETTING";
const char kDefaultScanAndSavePattern[] = "c:\\kovelt\\settings\\*.fil";
const char kDefaultCopyPattern[] = "c:\\kovelt\\settings\\*.cpy";
const char kDefaultFaxPattern[] = "c:\\kovelt\\settings\\*.fax";

const char kKeyCopyPrinter[] = "Printer";
const char kKeyFaxDevice[] = "FAX";
const char kKeyFileFormat[] = "FileFormat";

const char kFileFormatBaseName[] = "BESTFIT";
const char kFileFormatExtension[] = ".FLE";

const char kImageActionName[] = "Scan for Image Editing";
const char kOcrActionName[] = "OCR for Word Process";
const char kHelpFileName[] = "rlyoset.hlp";

DWORD ReadKoveltText(const char *section, const char *key, const char *defaultValue,
                     char *buffer, DWORD size)
{
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, kKoveltIni);
}

UINT ReadKoveltInt(const char *section, const char *key, INT defaultValue)
{
    return GetPrivateProfileIntA(section, key, defaultValue, kKoveltIni);
}

void WriteKoveltText(const char *section, const char *key, const char *value)
{
    WritePrivateProfileStringA(section, key, value, kKoveltIni);
}
