// windows.h for the backend: the W functions, and without the macros that
// would rename members of the widget contract (LoadBitmap, LoadIcon,
// ChooseFont); the backend names the W functions explicitly.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>
#include <commctrl.h>

#undef LoadBitmap
#undef LoadIcon
#undef ChooseFont
