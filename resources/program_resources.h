// The program's bitmaps, icons and sounds, as resources by name.
//
// Windows builds carry them in the exe (zorn.rc). The native build carries the
// same bytes in a table that RegisterProgramResources() fills, so that
// platform::FindResource answers alike on both: a bitmap is a DIB starting
// with its BITMAPINFOHEADER (no file header), an icon is a group directory
// whose entries name their images by number ("#1", "#2", ...), a sound is a
// complete WAVE file.
#pragma once

namespace zorn {

// Resource types, numbered as Win32 numbers them.
constexpr int BitmapResourceType = 2;      // RT_BITMAP: "BITMAP0" ... "BITMAP14"
constexpr int IconResourceType = 3;        // RT_ICON: one image of an icon, "#<number>"
constexpr int IconGroupResourceType = 14;  // RT_GROUP_ICON: "ICON0" ... "ICON7", "VORA"
// The sounds "WAVE0" ... "WAVE2" are of platform::UserResourceType (100).

// Native build: adds every resource of the program to the embedded table.
// Windows builds: does nothing; the resources are in the exe. Call it once at
// program start, before any scheme is built; calling it again is harmless.
void RegisterProgramResources();

}  // namespace zorn
