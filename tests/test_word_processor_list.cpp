// The word-processor list of the first page: which registered word processors it
// offers, which one it preselects, and the ProcessorCode and program path it sets.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/setup_selection.h"
#include "programs/word_processor_list.h"
#include "resources/resource_ids.h"
#include "tests/support/test_env.h"

namespace {

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

// One registrable word processor per extension. The programs need not exist: the
// short form of a missing file is the path as registered.
struct Kind {
    const char *extension;
    const char *typeName;
    const char *description;
    const char *program;
};
const Kind kDoc = {".doc", "RlyTest.Doc", "Word Document", "C:\\WINWORD\\WINWORD.EXE"};
const Kind kSam = {".sam", "RlyTest.Sam", "Ami Pro Document", "C:\\AMIPRO\\AMIPRO.EXE"};
const Kind kWpd = {".wpd", "RlyTest.Wpd", "WordPerfect Document", "C:\\WP\\WP.EXE"};
const Kind kTxt = {".txt", "RlyTest.Txt", "Text Document", "C:\\EDIT\\EDIT.EXE"};
const Kind kAll[] = {kDoc, kSam, kWpd, kTxt};

void Register(const Kind &kind)
{
    std::string command = std::string(kind.program) + " %1";
    RegisterFileType(kind.extension, kind.typeName, kind.description, command.c_str());
}

void UnregisterAll()
{
    for (const Kind &kind : kAll)
        UnregisterFileType(kind.extension, kind.typeName);
}

class WordProcessorList : public ::testing::Test {
protected:
    void SetUp() override
    {
        UnregisterAll();
        ZeroMemory(&g_selection, sizeof g_selection);
        page_ = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_SELECTION), NULL,
                                   InertDialogProc, 0);
        ASSERT_NE(page_, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(page_);
        UnregisterAll();
    }

    std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        int count = (int)SendDlgItemMessageA(page_, IDC_WORD_PROCESSOR_LIST, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            char text[300];
            SendDlgItemMessageA(page_, IDC_WORD_PROCESSOR_LIST, CB_GETLBTEXT, i, (LPARAM)text);
            entries.push_back(text);
        }
        return entries;
    }
    int Selected()
    {
        return (int)SendDlgItemMessageA(page_, IDC_WORD_PROCESSOR_LIST, CB_GETCURSEL, 0, 0);
    }

    HWND page_ = NULL;
};

}  // namespace

TEST_F(WordProcessorList, OffersWhatIsRegisteredAndPrefersDocSamWpdThenTxt)
{
    const std::string doc = "*.DOC  Word Document", sam = "*.SAM  Ami Pro Document",
                      wpd = "*.WPD  WordPerfect Document", txt = "*.TXT  Text Document";
    struct Case {
        const char *what;
        std::vector<Kind> registered;
        std::vector<std::string> entries;
        const char *code;
        const char *path;
    } cases[] = {
        {"all three", {kWpd, kSam, kDoc}, {doc, sam, wpd}, "3", kDoc.program},
        {"doc and wpd", {kDoc, kWpd}, {doc, wpd}, "3", kDoc.program},
        {"sam and wpd", {kSam, kWpd}, {sam, wpd}, "4", kSam.program},
        {"wpd alone", {kWpd}, {wpd}, "5", kWpd.program},
        {"doc, with txt registered too", {kDoc, kTxt}, {doc}, "3", kDoc.program},
        {"txt alone", {kTxt}, {txt}, "1", kTxt.program},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        UnregisterAll();
        for (const Kind &kind : c.registered)
            Register(kind);
        SendDlgItemMessageA(page_, IDC_WORD_PROCESSOR_LIST, CB_RESETCONTENT, 0, 0);
        ZeroMemory(&g_selection, sizeof g_selection);
        InitWordProcessorList(page_);
        EXPECT_EQ(Entries(), c.entries);
        EXPECT_EQ(Selected(), 0);
        EXPECT_STREQ(g_selection.ProcessorCode, c.code);
        EXPECT_STREQ(g_selection.ProgramPath, c.path);
    }
}

TEST_F(WordProcessorList, NothingRegisteredLeavesTheListEmptyAndTheSelectionAlone)
{
    lstrcpyA(g_selection.ProcessorCode, "9");
    lstrcpyA(g_selection.ProgramPath, "C:\\OLD\\OLD.EXE");
    InitWordProcessorList(page_);
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(Selected(), CB_ERR);
    EXPECT_STREQ(g_selection.ProcessorCode, "9");
    EXPECT_STREQ(g_selection.ProgramPath, "C:\\OLD\\OLD.EXE");
}

TEST_F(WordProcessorList, FileTypeWithoutDescriptionGivesThePrefixAlone)
{
    RegisterFileType(".wpd", "RlyTest.Wpd", NULL, "C:\\WP\\WP.EXE %1");
    InitWordProcessorList(page_);
    EXPECT_EQ(Entries(), std::vector<std::string>{"*.WPD  "});
    EXPECT_STREQ(g_selection.ProcessorCode, "5");
}

// The selection holds 159 characters of path. A longer one would be stored cut and
// name another file, so that word processor counts as not found.
TEST_F(WordProcessorList, ProgramPathTooLongForTheSelectionCountsAsNotFound)
{
    std::string longest = "C:\\" + std::string(147, 'D') + "\\WORD.EXE";  // 159 characters
    std::string tooLong = "C:\\" + std::string(148, 'D') + "\\WORD.EXE";  // 160 characters
    ASSERT_EQ(longest.size(), 159u);

    RegisterFileType(".doc", "RlyTest.Doc", "Word Document", (tooLong + " %1").c_str());
    Register(kSam);
    InitWordProcessorList(page_);
    EXPECT_EQ(Entries(), std::vector<std::string>{"*.SAM  Ami Pro Document"});
    EXPECT_STREQ(g_selection.ProcessorCode, "4");
    EXPECT_STREQ(g_selection.ProgramPath, kSam.program);

    SendDlgItemMessageA(page_, IDC_WORD_PROCESSOR_LIST, CB_RESETCONTENT, 0, 0);
    RegisterFileType(".doc", "RlyTest.Doc", "Word Document", (longest + " %1").c_str());
    InitWordProcessorList(page_);
    EXPECT_EQ(Entries().size(), 2u);
    EXPECT_STREQ(g_selection.ProcessorCode, "3");
    EXPECT_EQ(g_selection.ProgramPath, longest);
}

TEST(SelectWordProcessorCode, TakesOnlyTheExactFiveCharacterPrefix)
{
    struct Case {
        const char *prefix;
        const char *code;  // "-" where the code stays as it was
    } cases[] = {
        {"*.DOC", "3"}, {"*.SAM", "4"}, {"*.WPD", "5"}, {"*.TXT", "1"},
        {"*.doc", "-"}, {"*.DOC  Word Document", "-"}, {"*.DOC  ", "-"}, {"*.RTF", "-"}, {"", "-"},
    };
    for (const Case &c : cases) {
        lstrcpyA(g_selection.ProcessorCode, "-");
        SelectWordProcessorCode(c.prefix);
        EXPECT_STREQ(g_selection.ProcessorCode, c.code) << "prefix \"" << c.prefix << "\"";
    }
}
