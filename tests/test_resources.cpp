// The two wizard pages as the program carries them: every field of dialog templates
// 101 and 102, read back from this test program's own resources (it links the same
// resource script as the wizard), and the icon group they show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tools/installer/installer_driver.h"

namespace {

// The fields of one control of an extended dialog template.
struct Control {
    int id;
    std::string kind;  // "Button", "Static" or "ComboBox"
    std::string text;  // "#103" for an icon given by resource number
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
    DWORD helpId;
    WORD extraBytes;
};

struct Dialog {
    WORD version, signature;
    DWORD helpId, exStyle, style;
    short x, y, cx, cy;
    std::string menu, windowClass, title;
    WORD pointSize, weight;
    BYTE italic, charset;
    std::string font;
    std::vector<Control> controls;
};

class Reader {
public:
    explicit Reader(const BYTE *data) : base_(data), at_(data) {}
    WORD Word() { WORD w; CopyMemory(&w, at_, 2); at_ += 2; return w; }
    DWORD Dword() { DWORD d; CopyMemory(&d, at_, 4); at_ += 4; return d; }
    BYTE Byte() { return *at_++; }
    short Short() { return static_cast<short>(Word()); }
    std::string Text()
    {
        std::string text;
        for (WORD c = Word(); c != 0; c = Word())
            text += c < 0x80 ? static_cast<char>(c) : '?';
        return text;
    }
    // A name or a number: "#n" for a number, the text otherwise.
    std::string NameOrNumber()
    {
        WORD first;
        CopyMemory(&first, at_, 2);
        if (first == 0xFFFF) {
            at_ += 2;
            return "#" + std::to_string(Word());
        }
        return Text();
    }
    void AlignDword() { at_ = base_ + ((at_ - base_ + 3) & ~3); }
    void Skip(int n) { at_ += n; }

private:
    const BYTE *base_;
    const BYTE *at_;
};

std::string KindOf(const std::string &windowClass)
{
    // A predefined class may be stored by number or by name; both make the same control.
    static const struct { const char *number, *name, *kind; } kClasses[] = {
        {"#128", "BUTTON", "Button"},
        {"#130", "STATIC", "Static"},
        {"#133", "COMBOBOX", "ComboBox"},
    };
    for (const auto &c : kClasses) {
        if (windowClass == c.number || lstrcmpiA(windowClass.c_str(), c.name) == 0)
            return c.kind;
    }
    return "class " + windowClass;
}

Dialog LoadDialog(HMODULE module, int id)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    EXPECT_NE(resource, nullptr) << "template " << id;
    Dialog dialog = {};
    if (resource == NULL)
        return dialog;
    Reader in(static_cast<const BYTE *>(LockResource(LoadResource(module, resource))));
    dialog.version = in.Word();
    dialog.signature = in.Word();
    dialog.helpId = in.Dword();
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
    WORD count = in.Word();
    dialog.x = in.Short();
    dialog.y = in.Short();
    dialog.cx = in.Short();
    dialog.cy = in.Short();
    dialog.menu = in.NameOrNumber();
    dialog.windowClass = in.NameOrNumber();
    dialog.title = in.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Word();
        dialog.weight = in.Word();
        dialog.italic = in.Byte();
        dialog.charset = in.Byte();
        dialog.font = in.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        in.AlignDword();
        Control c = {};
        c.helpId = in.Dword();
        c.exStyle = in.Dword();
        c.style = in.Dword();
        c.x = in.Short();
        c.y = in.Short();
        c.cx = in.Short();
        c.cy = in.Short();
        c.id = static_cast<int>(in.Dword());
        c.kind = KindOf(in.NameOrNumber());
        c.text = in.NameOrNumber();
        c.extraBytes = in.Word();
        in.Skip(c.extraBytes);
        dialog.controls.push_back(c);
    }
    return dialog;
}

const DWORD kPageStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
const DWORD kChild = WS_CHILD | WS_VISIBLE;

void ExpectPage(const Dialog &dialog, short cx, short cy)
{
    EXPECT_EQ(dialog.version, 1);
    EXPECT_EQ(dialog.signature, 0xFFFF);
    EXPECT_EQ(dialog.helpId, 0u);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.style, kPageStyle);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, cx);
    EXPECT_EQ(dialog.cy, cy);
    EXPECT_EQ(dialog.menu, "");
    EXPECT_EQ(dialog.windowClass, "");
    EXPECT_EQ(dialog.title, "Configure Relayo");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.weight, 0);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, 1);
    EXPECT_EQ(dialog.font, "MS Sans Serif");
}

void ExpectControls(const Dialog &dialog, const std::vector<Control> &expected)
{
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Control &got = dialog.controls[i];
        const Control &want = expected[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " " + want.kind + " \"" + want.text + "\"");
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        EXPECT_EQ(got.style, kChild | want.style) << std::hex << got.style;
        EXPECT_EQ(got.exStyle, want.exStyle);
        EXPECT_EQ(got.helpId, 0u);
        EXPECT_EQ(got.extraBytes, 0);
    }
}

// The files whose resources are checked: this test program, the program beside it,
// and the 32-bit product, which cannot run here but can be read as data.
struct ResourceFile {
    std::string name;
    HMODULE module;
};

std::vector<ResourceFile> ResourceFiles()
{
    static std::vector<ResourceFile> files;
    if (!files.empty())
        return files;
    files.push_back({"this test program", GetModuleHandleA(NULL)});
    char program[MAX_PATH];
    ProgramBesideMe("rlyoset.exe", program, sizeof program);
    for (const char *path : {(const char *)program, RLYOSET_I686_PROGRAM}) {
        HMODULE module = LoadLibraryExA(path, NULL, LOAD_LIBRARY_AS_DATAFILE);
        EXPECT_NE(module, nullptr) << "cannot read " << path << " (build both targets first)";
        if (module != NULL)
            files.push_back({path, module});
    }
    return files;
}

}  // namespace

static void ExpectSelectionPage(HMODULE module)
{
    Dialog dialog = LoadDialog(module, IDD_SELECTION);
    ExpectPage(dialog, 259, 167);
    ExpectControls(dialog, {
        {1, "Button", "&OK", 9, 146, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 0},
        {2, "Button", "&Cancel", 72, 146, 50, 14, BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 0},
        {-1, "Static", "Your printer :", 35, 56, 59, 10, SS_RIGHT | WS_GROUP, 0, 0, 0},
        {1001, "ComboBox", "", 98, 55, 139, 58, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 0, 0},
        {-1, "Static", "Your fax :", 32, 81, 62, 10, SS_RIGHT | WS_GROUP, 0, 0, 0},
        {1002, "ComboBox", "", 98, 79, 139, 59, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 0, 0},
        {-1, "Static", "Your word Processor :", 23, 105, 71, 11, SS_RIGHT | WS_GROUP, 0, 0, 0},
        {1003, "ComboBox", "", 98, 104, 139, 52,
         CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0, 0, 0},
        {-1, "Button", "Relayo Setup", 16, 41, 229, 85, BS_GROUPBOX, 0, 0, 0},
        {-1, "Static", "", 6, 6, 248, 129, SS_ETCHEDFRAME, WS_EX_DLGMODALFRAME, 0, 0},
        {-1, "Static",
         "For Relayo to properly function , please select your default printer, fax software "
         "and word processor from below. Click &OK when finished.",
         35, 15, 208, 25, SS_LEFT | WS_GROUP, 0, 0, 0},
        {1010, "Button", "&Help", 203, 146, 50, 14, BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 0},
        {-1, "Static", "#103", 12, 16, 18, 20, SS_ICON, 0, 0, 0},
    });
}

TEST(Resources, SelectionPageTemplate)
{
    for (const ResourceFile &file : ResourceFiles()) {
        SCOPED_TRACE(file.name);
        ExpectSelectionPage(file.module);
    }
}

static void ExpectConfirmationPage(HMODULE module)
{
    Dialog dialog = LoadDialog(module, IDD_CONFIRMATION);
    ExpectPage(dialog, 254, 132);
    ExpectControls(dialog, {
        {1, "Button", "&OK", 63, 111, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 0},
        {1005, "Button", "&Previous Step", 142, 110, 50, 14, BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 0},
        {-1, "Static", "Please make sure the following settings are correct : ", 24, 33, 174, 11,
         SS_LEFT | WS_GROUP, 0, 0, 0},
        {-1, "Static", "Printer : ", 34, 48, 41, 10, SS_RIGHT | WS_GROUP, 0, 0, 0},
        {-1, "Static", "Fax Driver : ", 34, 63, 41, 10, SS_RIGHT | WS_GROUP, 0, 0, 0},
        {-1, "Static", "Word Processor : ", 14, 78, 61, 10, SS_RIGHT | WS_GROUP, 0, 0, 0},
        {1006, "Static", "", 77, 48, 163, 10, SS_LEFT | WS_GROUP, 0, 0, 0},
        {1007, "Static", "", 77, 63, 161, 10, SS_LEFT | WS_GROUP, 0, 0, 0},
        {1008, "Static", "", 77, 78, 162, 10, SS_LEFT | WS_GROUP, 0, 0, 0},
        {-1, "Static", "", 7, 21, 240, 81, SS_ETCHEDFRAME, WS_EX_DLGMODALFRAME, 0, 0},
        {-1, "Static", "#103", 9, 2, 18, 20, SS_ICON, 0, 0, 0},
    });
}

TEST(Resources, ConfirmationPageTemplate)
{
    for (const ResourceFile &file : ResourceFiles()) {
        SCOPED_TRACE(file.name);
        ExpectConfirmationPage(file.module);
    }
}

static void ExpectIconGroup(HMODULE module)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(IDI_RELAYO), MAKEINTRESOURCEA(14));
    ASSERT_NE(resource, nullptr);
    const BYTE *group = static_cast<const BYTE *>(LockResource(LoadResource(module, resource)));
    WORD type, count;
    CopyMemory(&type, group + 2, 2);
    CopyMemory(&count, group + 4, 2);
    EXPECT_EQ(type, 1);  // icons, not cursors
    ASSERT_EQ(count, 1);
    const BYTE *image = group + 6;  // width, height, colour count, ...
    EXPECT_EQ(image[0], 32);
    EXPECT_EQ(image[1], 32);
    EXPECT_EQ(image[2], 16);
    if (module == GetModuleHandleA(NULL)) {
        EXPECT_NE(LoadIconA(module, MAKEINTRESOURCEA(IDI_RELAYO)), nullptr);
    }
}

TEST(Resources, IconGroupHasOne32x32SixteenColourImage)
{
    for (const ResourceFile &file : ResourceFiles()) {
        SCOPED_TRACE(file.name);
        ExpectIconGroup(file.module);
    }
}
