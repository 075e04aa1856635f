#include "programs/processor_codes.h"

#include <windows.h>

const ProcessorKind kProcessorKinds[kProcessorKindCount] = {
    {".doc", "*.DOC  ", "3", "WINWORD, "},
    {".sam", "*.SAM  ", "4", "AMIPRO, "},
    {".wpd", "*.WPD  ", "5", "WORDPERF, "},
    {".txt", "*.TXT  ", "1", "DEFAULT, "},
};

const char *OcrSettingWord(const char *code)
{
    for (int i = 0; i < kProcessorKindCount; ++i)
        if (lstrcmpA(code, kProcessorKinds[i].Code) == 0)
            return kProcessorKinds[i].OcrWord;
    return "";
}
