// The word processors the wizard knows, each named by a one-character ProcessorCode.
#pragma once

struct ProcessorKind {
    const char *Extension;    // looked up under HKEY_CLASSES_ROOT, e.g. ".doc"
    const char *ListPrefix;   // seven characters, e.g. "*.DOC  "
    const char *Code;         // e.g. "3"
    const char *OcrWord;      // OCR setting word with its trailing ", ", e.g. "WINWORD, "
};

// In order of preference: .doc, .sam, .wpd, then .txt.
extern const ProcessorKind kProcessorKinds[];
enum { kProcessorKindCount = 4, kListPrefixLength = 7, kListPrefixKeyLength = 5 };

// The OCR setting word ("WINWORD, " ...) of a ProcessorCode, or "" for any other code.
const char *OcrSettingWord(const char *code);
