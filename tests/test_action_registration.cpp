#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/action_registration.h"
#include "config/kovelt_ini.h"
#include "config/setup_selection.h"
#include "tests/support/test_env.h"

static const char kMissing[] = "<missing>";
static const char kSuiteDirectory[] = "C:\\kovelt";
static const char kSettings[] = "C:\\kovelt\\settings\\";
static const char kFileFormatFile[] = "C:\\kovelt\\settings\\BESTFIT.FLE";

// The image editor (P, and Q for a later one) and the word processors (W, W2).
// 8.3 paths of files that do not exist, so the short form is the path itself.
static const char kEditorP[] = "C:\\IMG\\EDIT.EXE";
static const char kEditorQ[] = "C:\\IMG\\OTHER.EXE";
static const char kWordW[] = "C:\\WORD\\WINWORD.EXE";
static const char kWordW2[] = "C:\\AMI\\AMIPRO.EXE";

static const char kTifType[] = "RlyosetTest.TifImage";
static const char kPcxType[] = "RlyosetTest.PcxImage";

static std::string EditorEntry(const std::string &path)
{
    return std::string("Scan for Image Editing, ") + path;
}

// Values of the 14 action slots, or of their display names.
static std::vector<std::string> Slots(const char *section = kSectionKoveltSystem)
{
    std::vector<std::string> values;
    for (int slot = 1; slot <= 14; ++slot)
        values.push_back(GetKovelt(section, std::to_string(slot).c_str()));
    return values;
}

// The 14 slots as a list of the first few values; the rest are missing.
static std::vector<std::string> Row(std::vector<std::string> first)
{
    for (std::string &value : first)
        if (value.empty())
            value = kMissing;
    first.resize(14, kMissing);
    return first;
}

static void SetSlots(const std::vector<std::string> &values)
{
    for (size_t i = 0; i < values.size(); ++i)
        if (!values[i].empty())
            SetKovelt(kSectionKoveltSystem, std::to_string(i + 1).c_str(), values[i].c_str());
}

static void SetEntries(const std::vector<std::string> &values)
{
    for (size_t i = 0; i < values.size(); ++i)
        if (!values[i].empty())
            SetKovelt(kSectionScanAndSave, std::to_string(i + 1).c_str(), values[i].c_str());
}

static std::vector<std::string> Entries(size_t count)
{
    std::vector<std::string> values;
    for (size_t i = 1; i <= count; ++i)
        values.push_back(GetKovelt(kSectionScanAndSave, std::to_string(i).c_str()));
    return values;
}

static std::string FileFormat(const std::string &file = kFileFormatFile)
{
    WritePrivateProfileStringA(NULL, NULL, NULL, file.c_str());
    return GetProfile(file, kSectionScanAndSave, kKeyFileFormat);
}

static void RemoveFileFormat()
{
    WritePrivateProfileStringA(NULL, NULL, NULL, kFileFormatFile);
    DeleteFileA(kFileFormatFile);
}

static std::string KoveltIniText()
{
    FlushProfileCache();
    return ReadWholeFile(KoveltIniPath());
}

class ActionRegistration : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clean();
        MakeDirectories(std::string(kSettings).substr(0, lstrlenA(kSettings) - 1));
        SelectWordProcessor("3", kWordW);
    }
    void TearDown() override { Clean(); }

    static void Clean()
    {
        RemoveFileFormat();
        RemoveTree(kSuiteDirectory);
        RemoveKoveltIni();
        UnregisterFileType(".tif", kTifType);
        UnregisterFileType(".pcx", kPcxType);
    }

    static void SelectWordProcessor(const char *code, const char *path)
    {
        lstrcpyA(g_selection.ProcessorCode, code);
        lstrcpyA(g_selection.ProgramPath, path);
    }
    static void InstallOcr() { SetKovelt(kSectionSupportedApps, kKeyOcrApplication, "C:\\RECOG\\"); }
    static void RegisterTif(const std::string &path)
    {
        RegisterFileType(".tif", kTifType, "TIFF Image", (path + " \"%1\"").c_str());
    }
    static void RegisterPcx(const std::string &path)
    {
        RegisterFileType(".pcx", kPcxType, "PCX Image", (path + " \"%1\"").c_str());
    }
};

TEST_F(ActionRegistration, FreshConfigurationThenTheSameRunAgain)
{
    InstallOcr();
    RegisterTif(kEditorP);

    RegisterActions();

    EXPECT_EQ(Entries(2), (std::vector<std::string>{EditorEntry(kEditorP), kMissing}));
    EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1", "Recognita, WINWORD, 3"}));
    EXPECT_EQ(Slots(kSectionKoveltKeyname), Row({kImageActionName, kOcrActionName}));
    EXPECT_EQ(FileFormat(), "0");
    // The key was missing, so its first field is empty.
    EXPECT_EQ(GetKovelt(kSectionRecognita, "3"), std::string(", ") + kWordW);

    // Between the runs another component renames the entry and the OCR
    // application stores several fields; the format file goes away.
    SetKovelt(kSectionScanAndSave, "1", (std::string("Editor, ") + kEditorP).c_str());
    SetKovelt(kSectionRecognita, "3", "OCRW, X, Y, C:\\OLD\\OLD.EXE");
    RemoveFileFormat();

    RegisterActions();

    EXPECT_EQ(Entries(2), (std::vector<std::string>{EditorEntry(kEditorP), kMissing}));
    EXPECT_EQ(GetKovelt(kSectionRecognita, "3"), std::string("OCRW, ") + kWordW);
    EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1", "Recognita, WINWORD, 3"}));
    EXPECT_EQ(Slots(kSectionKoveltKeyname), Row({kImageActionName, kOcrActionName}));
    EXPECT_EQ(FileFormat(), kMissing);
}

TEST_F(ActionRegistration, ImageActionIsRegisteredOnceForItsEntry)
{
    // OCR application absent: only the image-editing action is at stake.
    const std::string p = EditorEntry(kEditorP);
    const std::string q = EditorEntry(kEditorQ);
    struct Case {
        const char *what;
        std::vector<std::string> entriesBefore, slotsBefore;
        std::vector<std::string> entriesAfter, slotsAfter;
        bool fileFormatWritten;
    } cases[] = {
        {"fresh", {}, {}, {p, kMissing}, {"ScanAndSave, BESTFIT, 1"}, true},
        {"editor changed from Q to P", {q}, {"ScanAndSave, BESTFIT, 1"},
         {q, p, kMissing}, {"ScanAndSave, BESTFIT, 1", "ScanAndSave, BESTFIT, 2"}, true},
        {"entry without a slot is renamed and used", {std::string("My Editor, ") + kEditorP}, {},
         {p, kMissing}, {"ScanAndSave, BESTFIT, 1"}, true},
        {"slot in another spacing counts", {std::string("Editor,") + kEditorP},
         {"Other, X, 1", "", "ScanAndSave,BESTFIT,1"},
         {p, kMissing}, {"Other, X, 1", "", "ScanAndSave,BESTFIT,1"}, false},
        {"a slot naming another entry does not count", {q, p}, {"ScanAndSave, BESTFIT, 1"},
         {q, p, kMissing}, {"ScanAndSave, BESTFIT, 1", "ScanAndSave, BESTFIT, 2"}, true},
        {"another setting of entry 1 does not count", {p}, {"ScanAndSave, OTHER, 1"},
         {p, kMissing}, {"ScanAndSave, OTHER, 1", "ScanAndSave, BESTFIT, 1"}, true},
        {"path differs in letter case", {EditorEntry("c:\\img\\edit.exe")}, {},
         {EditorEntry("c:\\img\\edit.exe"), p, kMissing}, {"ScanAndSave, BESTFIT, 2"}, true},
        {"entry without a path", {"JustAName"}, {},
         {"JustAName", p, kMissing}, {"ScanAndSave, BESTFIT, 2"}, true},
        {"search ends at the first gap", {EditorEntry("C:\\A.EXE"), "", p}, {},
         {EditorEntry("C:\\A.EXE"), p, p, kMissing}, {"ScanAndSave, BESTFIT, 2"}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RegisterTif(kEditorP);
        SetEntries(c.entriesBefore);
        SetSlots(c.slotsBefore);

        RegisterActions();

        EXPECT_EQ(Entries(c.entriesAfter.size()), c.entriesAfter);
        EXPECT_EQ(Slots(), Row(c.slotsAfter));
        std::vector<std::string> names;
        for (size_t i = 0; i < c.slotsAfter.size(); ++i) {
            bool written = (i >= c.slotsBefore.size() || c.slotsBefore[i].empty()) &&
                           !c.slotsAfter[i].empty();
            names.push_back(written ? kImageActionName : kMissing);
        }
        EXPECT_EQ(Slots(kSectionKoveltKeyname), Row(names));
        EXPECT_EQ(FileFormat(), c.fileFormatWritten ? "0" : kMissing);
        EXPECT_EQ(GetKovelt(kSectionRecognita, "3"), kMissing);
        Clean();
        MakeDirectories(std::string(kSettings).substr(0, lstrlenA(kSettings) - 1));
    }
}

TEST_F(ActionRegistration, OcrActionIsRegisteredOnceForItsWholeValue)
{
    // No image editor: the OCR action has the first free slot to itself.
    const std::string longField(190, 'F');
    const std::string cutField = std::string(195, ',') + "ABCDEFGHIJ";
    struct Case {
        const char *what;
        const char *code;
        const char *path;
        const char *recognitaBefore;  // NULL: missing
        std::vector<std::string> slotsBefore;
        std::string recognitaAfter;
        std::vector<std::string> slotsAfter;
    } cases[] = {
        {"fresh", "3", kWordW, NULL, {}, std::string(", ") + kWordW, {"Recognita, WINWORD, 3"}},
        {"registered already", "3", kWordW, "OCRW, C:\\OLD.EXE", {"Recognita, WINWORD, 3"},
         std::string("OCRW, ") + kWordW, {"Recognita, WINWORD, 3"}},
        {"old value of commas only", "3", kWordW, ",,,", {}, std::string(", ") + kWordW,
         {"Recognita, WINWORD, 3"}},
        {"word processor changed", "4", kWordW2, NULL, {"Other, X, 1", "Recognita, WINWORD, 3"},
         std::string(", ") + kWordW2,
         {"Other, X, 1", "Recognita, WINWORD, 3", "Recognita, AMIPRO, 4"}},
        {"another spacing is another value", "3", kWordW, NULL, {"Recognita,WINWORD,3"},
         std::string(", ") + kWordW, {"Recognita,WINWORD,3", "Recognita, WINWORD, 3"}},
        {"plain text", "1", kWordW, NULL, {}, std::string(", ") + kWordW, {"Recognita, DEFAULT, 1"}},
        {"WordPerfect", "5", kWordW, NULL, {}, std::string(", ") + kWordW,
         {"Recognita, WORDPERF, 5"}},
        {"code without a setting word", "7", kWordW, NULL, {}, std::string(", ") + kWordW,
         {"Recognita, 7"}},
        // A new value past 199 characters, and an old one whose first field was
        // cut by the read, would both be written cut: the step is left out.
        {"new value too long", "3", kWordW, longField.c_str(), {}, longField, {}},
        {"old first field cut", "3", kWordW, cutField.c_str(), {}, cutField, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        InstallOcr();
        SelectWordProcessor(c.code, c.path);
        if (c.recognitaBefore != NULL)
            SetKovelt(kSectionRecognita, c.code, c.recognitaBefore);
        SetSlots(c.slotsBefore);

        RegisterActions();

        EXPECT_EQ(GetKovelt(kSectionRecognita, c.code), c.recognitaAfter);
        EXPECT_EQ(Slots(), Row(c.slotsAfter));
        std::vector<std::string> names;
        for (size_t i = 0; i < c.slotsAfter.size(); ++i)
            names.push_back(i >= c.slotsBefore.size() ? kOcrActionName : kMissing);
        EXPECT_EQ(Slots(kSectionKoveltKeyname), Row(names));
        EXPECT_EQ(GetKovelt(kSectionScanAndSave, "1"), kMissing);
        EXPECT_FALSE(FileExists(kFileFormatFile));
        Clean();
        MakeDirectories(std::string(kSettings).substr(0, lstrlenA(kSettings) - 1));
    }
}

TEST_F(ActionRegistration, PcxEditorWithoutOcrTakesOneSlot)
{
    RegisterPcx(kEditorQ);
    RegisterActions();
    EXPECT_EQ(Entries(2), (std::vector<std::string>{EditorEntry(kEditorQ), kMissing}));
    EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1"}));
    EXPECT_EQ(FileFormat(), "2");
    EXPECT_EQ(GetKovelt(kSectionRecognita, "3"), kMissing);
}

TEST_F(ActionRegistration, TifEditorIsPreferredToPcx)
{
    RegisterTif(kEditorP);
    RegisterPcx(kEditorQ);
    RegisterActions();
    EXPECT_EQ(GetKovelt(kSectionScanAndSave, "1"), EditorEntry(kEditorP));
    EXPECT_EQ(FileFormat(), "0");
}

TEST_F(ActionRegistration, NeitherActionPossibleWritesNothing)
{
    RegisterActions();
    EXPECT_FALSE(KoveltIniExists());
    EXPECT_FALSE(FileExists(kFileFormatFile));
}

TEST_F(ActionRegistration, LastFreeSlotGoesToTheImageAction)
{
    InstallOcr();
    RegisterTif(kEditorP);
    std::vector<std::string> busy;
    for (int slot = 1; slot <= 13; ++slot)
        busy.push_back("Other, X, " + std::to_string(slot));
    SetSlots(busy);

    RegisterActions();

    std::vector<std::string> expected = busy;
    expected.push_back("ScanAndSave, BESTFIT, 1");
    EXPECT_EQ(Slots(), expected);
    EXPECT_EQ(GetKovelt(kSectionKoveltKeyname, "14"), kImageActionName);
    EXPECT_EQ(GetKovelt(kSectionRecognita, "3"), kMissing);
}

TEST_F(ActionRegistration, AllSlotsBusyLeavesTheFileAsItWas)
{
    // An editor is registered, so any lookup would record it as an entry.
    InstallOcr();
    RegisterTif(kEditorP);
    std::vector<std::string> busy;
    for (int slot = 1; slot <= 14; ++slot)
        busy.push_back("Other, X, " + std::to_string(slot));
    SetSlots(busy);
    const std::string before = KoveltIniText();

    RegisterActions();

    EXPECT_EQ(KoveltIniText(), before);
    EXPECT_FALSE(FileExists(kFileFormatFile));
}

TEST_F(ActionRegistration, EntryNumbersStopAtThreeDigits)
{
    InstallOcr();
    RegisterTif(kEditorP);
    struct Case {
        const char *what;
        const char *entry999;
        std::vector<std::string> slotsAfter;
        bool fileFormatWritten;
    } cases[] = {
        {"editor at entry 999", "Editor, C:\\IMG\\EDIT.EXE",
         {"ScanAndSave, BESTFIT, 999", "Recognita, WINWORD, 3"}, true},
        // Entry 1000 would not fit the slot's three digits: no entry, no slot,
        // and the OCR action takes the free slot.
        {"no room below 1000", "Editor, C:\\IMG\\NOT.EXE", {"Recognita, WINWORD, 3"}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = "[KoveltSupportedAPs]\r\nRecognita=C:\\RECOG\\\r\n[ScanAndSave]\r\n";
        for (int entry = 1; entry < 999; ++entry)
            text += std::to_string(entry) + "=Tool, C:\\TOOLS\\T" + std::to_string(entry) + ".EXE\r\n";
        text += std::string("999=") + c.entry999 + "\r\n";
        FlushProfileCache();
        WriteWholeFile(KoveltIniPath(), text);
        FlushProfileCache();
        RemoveFileFormat();

        RegisterActions();

        EXPECT_EQ(Slots(), Row(c.slotsAfter));
        EXPECT_EQ(GetKovelt(kSectionScanAndSave, "1000"), kMissing);
        EXPECT_EQ(GetKovelt(kSectionScanAndSave, "999"),
                  c.fileFormatWritten ? EditorEntry(kEditorP) : c.entry999);
        EXPECT_EQ(FileFormat(), c.fileFormatWritten ? "0" : kMissing);
    }
}

TEST_F(ActionRegistration, NoWordProcessorSkipsTheOcrStep)
{
    struct Case {
        const char *code;
        const char *path;
    } cases[] = {{"", ""}, {"", kWordW}, {"3", ""}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("code \"") + c.code + "\", path \"" + c.path + "\"");
        InstallOcr();
        RegisterTif(kEditorP);
        SelectWordProcessor(c.code, c.path);

        RegisterActions();

        EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1"}));
        EXPECT_EQ(KoveltIniText().find("[Recognita]"), std::string::npos);
        Clean();
    }
}

TEST_F(ActionRegistration, LongValuesAreWrittenWholeOrNotAtAll)
{
    // A 255-character editor path makes a 279-character entry: written whole and
    // found again by the next run.
    const std::string longEditor = "C:\\IMG\\" + std::string(244, 'E') + ".EXE";
    ASSERT_EQ(longEditor.size(), 255u);
    // No arguments: the command itself must stay within 255 characters.
    RegisterFileType(".tif", kTifType, "TIFF Image", longEditor.c_str());
    RegisterActions();
    RegisterActions();
    EXPECT_EQ(Entries(2), (std::vector<std::string>{EditorEntry(longEditor), kMissing}));
    EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1"}));
    Clean();

    // The longest pattern's directory with "BESTFIT.FLE" behind it passes 149
    // characters; the format file is still written where it belongs.
    const std::string deep = "C:\\kovelt\\" + std::string(100, 'D') + "\\" + std::string(32, 'E') + "\\";
    ASSERT_EQ(deep.size(), 144u);
    MakeDirectories(deep.substr(0, deep.size() - 1));
    SetKovelt(kSectionScanAndSave, kKeySettingPattern, (deep + "*.fil").c_str());
    RegisterTif(kEditorP);
    RegisterActions();
    EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1"}));
    EXPECT_EQ(FileFormat(deep + "BESTFIT.FLE"), "0");
    WritePrivateProfileStringA(NULL, NULL, NULL, (deep + "BESTFIT.FLE").c_str());
    Clean();

    // A file part of four characters: the format file still goes into the
    // settings directory, not under a name made by cutting five characters.
    MakeDirectories(std::string(kSettings).substr(0, lstrlenA(kSettings) - 1));
    SetKovelt(kSectionScanAndSave, kKeySettingPattern, "C:\\kovelt\\settings\\*.fi");
    RegisterTif(kEditorP);
    RegisterActions();
    EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1"}));
    EXPECT_FALSE(FileExists("C:\\kovelt\\settinBESTFIT.FLE"));
    EXPECT_EQ(FileFormat(kFileFormatFile), "0");
    Clean();

    // A pattern without a directory gives no place for the format file: the
    // action is registered, and no format file appears in the Windows directory.
    SetKovelt(kSectionScanAndSave, kKeySettingPattern, "*.fil");
    RegisterTif(kEditorP);
    RegisterActions();
    EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1"}));
    EXPECT_FALSE(FileExists(WindowsDirectory() + "\\BESTFIT.FLE"));
}

TEST_F(ActionRegistration, ApplySetupStampsThenRegisters)
{
    const std::string copyFile = std::string(kSettings) + "a.cpy";
    const std::string faxFile = std::string(kSettings) + "a.fax";
    WriteWholeFile(copyFile, "");
    WriteWholeFile(faxFile, "");
    lstrcpyA(g_selection.PrinterText, "Laser, DISPLAY, LPT1:");
    lstrcpyA(g_selection.FaxText, "Fax, FAXDRV, COM2:");
    InstallOcr();
    RegisterTif(kEditorP);

    ApplySetup();

    WritePrivateProfileStringA(NULL, NULL, NULL, copyFile.c_str());
    WritePrivateProfileStringA(NULL, NULL, NULL, faxFile.c_str());
    EXPECT_EQ(GetProfile(copyFile, kSectionCopyUtility, kKeyCopyPrinter), "Laser, DISPLAY, LPT1:");
    EXPECT_EQ(GetProfile(faxFile, kSectionFaxUtility, kKeyFaxDevice), "Fax, FAXDRV, COM2:");
    EXPECT_EQ(Slots(), Row({"ScanAndSave, BESTFIT, 1", "Recognita, WINWORD, 3"}));
    WritePrivateProfileStringA(NULL, NULL, NULL, copyFile.c_str());
    WritePrivateProfileStringA(NULL, NULL, NULL, faxFile.c_str());
}
