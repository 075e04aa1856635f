#include "programs/word_processor_list.h"

#include "app/bounded_text.h"
#include "config/setup_selection.h"
#include "programs/processor_codes.h"
#include "programs/registered_program.h"
#include "resources/resource_ids.h"

// The first three kinds are always tried; plain text only when none of them is found.
enum { kTextKind = 3 };

bool LookUpWordProcessor(const char *extension, char *description, char *programPath)
{
    char found[kRegistryValueSize];
    if (!FindRegisteredProgram(extension, description, found))
        return false;
    if (lstrlenA(found) >= kProgramPathSize)
        return false;
    CopyText(programPath, kProgramPathSize, found);
    return true;
}

// Tries one kind: on success its entry text (list prefix and the file type's
// description) is in entry and its program's short path in programPath.
static bool TryKind(const ProcessorKind *kind, char *entry, int entrySize, char *programPath)
{
    // The description is written straight behind the prefix; when the file type
    // has none, the entry is the prefix alone.
    CopyText(entry, entrySize, kind->ListPrefix);
    return LookUpWordProcessor(kind->Extension, entry + kListPrefixLength, programPath);
}

static void AddEntry(HWND list, const char *entry)
{
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
}

static void TakeKind(const ProcessorKind *kind, const char *programPath)
{
    CopyText(g_selection.ProcessorCode, sizeof g_selection.ProcessorCode, kind->Code);
    CopyText(g_selection.ProgramPath, sizeof g_selection.ProgramPath, programPath);
}

void InitWordProcessorList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_WORD_PROCESSOR_LIST);
    char entry[kListPrefixLength + kRegistryValueSize];
    char programPath[kProgramPathSize];
    bool found = false;
    for (int i = 0; i < kTextKind; ++i) {
        const ProcessorKind *kind = &kProcessorKinds[i];
        if (!TryKind(kind, entry, sizeof entry, programPath))
            continue;
        // The first kind found in the order of preference is the one preselected:
        // the list sorts, and these prefixes sort in that same order.
        if (!found)
            TakeKind(kind, programPath);
        AddEntry(list, entry);
        found = true;
    }
    if (!found && TryKind(&kProcessorKinds[kTextKind], entry, sizeof entry, programPath)) {
        TakeKind(&kProcessorKinds[kTextKind], programPath);
        AddEntry(list, entry);
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

void SelectWordProcessorCode(const char *prefix)
{
    for (int i = 0; i < kProcessorKindCount; ++i) {
        // The list prefix without its two trailing blanks, e.g. "*.DOC".
        char key[kListPrefixKeyLength + 1];
        CopyText(key, sizeof key, kProcessorKinds[i].ListPrefix);
        if (lstrcmpA(prefix, key) == 0) {
            CopyText(g_selection.ProcessorCode, sizeof g_selection.ProcessorCode,
                     kProcessorKinds[i].Code);
            return;
        }
    }
}
