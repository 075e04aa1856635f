// The comma-separated-value splitter used for every value the program takes apart.
#pragma once

// Splits str in place into fields separated by any character of delims; a run of
// separators counts as one and leading separators are skipped. Pass NULL as str to
// go on where the previous call stopped. Returns the next field, or NULL when only
// separators or nothing remain, so it never yields an empty field.
//
// There is one remembered position for the whole program: finish one split before
// starting another.
char *NextToken(char *str, const char *delims);

// The delimiter sets in use.
extern const char kDelimComma[];            // ","
extern const char kDelimCommaBlank[];       // ", "
extern const char kDelimCommaQuoteBlank[];  // ",\" "
