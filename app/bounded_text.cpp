#include "app/bounded_text.h"

#include <windows.h>
#include <stdarg.h>

bool CopyText(char *dst, int size, const char *src)
{
    if (size <= 0)
        return false;
    dst[0] = '\0';
    return AppendText(dst, size, src);
}

bool AppendText(char *dst, int size, const char *src)
{
    if (size <= 0)
        return false;
    int used = lstrlenA(dst);
    if (used >= size) {
        // A caller's text that already fills the buffer: terminate it in place.
        dst[size - 1] = '\0';
        return src[0] == '\0';
    }
    int room = size - 1 - used;
    int want = lstrlenA(src);
    int take = want < room ? want : room;
    CopyMemory(dst + used, src, take);
    dst[used + take] = '\0';
    return take == want;
}

bool JoinText(char *dst, int size, ...)
{
    if (size <= 0)
        return false;
    dst[0] = '\0';
    bool whole = true;
    va_list parts;
    va_start(parts, size);
    for (const char *part = va_arg(parts, const char *); part != NULL;
         part = va_arg(parts, const char *)) {
        if (!AppendText(dst, size, part))
            whole = false;
    }
    va_end(parts);
    return whole;
}

bool FormatDecimal(char *dst, int size, int value)
{
    // "%d" of any int needs at most 11 characters and the terminator.
    char digits[12];
    wsprintfA(digits, "%d", value);
    return CopyText(dst, size, digits);
}
