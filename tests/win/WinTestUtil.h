#pragma once
// Real GDI bitmaps for the Windows tests.
#include "CString.h"
#include "TestImage.h"

#include <windows.h>

// A screen-compatible bitmap holding the image; the caller deletes it.
HBITMAP MakeBitmap(const TestImage& img);
// The bitmap's pixels as 32-bit top-down rows (X as GDI returns it).
bool ReadBitmap(HBITMAP h, TestImage& out);
// Same colours, pixel for pixel, ignoring X.
bool SameColours(const TestImage& a, const TestImage& b);
// Folder of the test program, with a trailing backslash.
CString ExeFolder();
