#include "app/next_token.h"

#include <stddef.h>

const char kDelimComma[] = ",";
const char kDelimCommaBlank[] = ", ";
const char kDelimCommaQuoteBlank[] = ",\" ";

static char *s_position;

static bool IsDelimiter(char c, const char *delims)
{
    for (const char *d = delims; *d != '\0'; ++d)
        if (*d == c)
            return true;
    return false;
}

char *NextToken(char *str, const char *delims)
{
    char *p = str != NULL ? str : s_position;
    if (p == NULL)
        return NULL;
    while (*p != '\0' && IsDelimiter(*p, delims))
        ++p;
    if (*p == '\0') {
        s_position = p;
        return NULL;
    }
    char *field = p;
    while (*p != '\0' && !IsDelimiter(*p, delims))
        ++p;
    if (*p != '\0') {
        *p = '\0';
        s_position = p + 1;
    } else {
        s_position = p;
    }
    return field;
}
