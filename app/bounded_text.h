// Bounded string building for the program's fixed-size buffers.
//
// Every copy, append and join into a fixed buffer goes through these helpers, so
// nothing is ever written past a buffer. Each one always leaves the buffer
// zero-terminated, copies as much as fits, and reports whether the whole text fit:
// callers that must not store a cut value (paths, values written to the suite's
// files) check the result; callers whose buffers cut by design ignore it.
#pragma once

// Copies src into dst (size bytes, terminator included). TRUE when src fit whole.
bool CopyText(char *dst, int size, const char *src);

// Appends src to the text already in dst. TRUE when src fit whole.
bool AppendText(char *dst, int size, const char *src);

// Joins the texts given after size, up to a terminating null pointer, into dst.
// TRUE when the whole joined text fit.
bool JoinText(char *dst, int size, ...);

// Writes value in plain decimal ("%d") into dst. TRUE when it fit.
bool FormatDecimal(char *dst, int size, int value);
