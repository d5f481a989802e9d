// Pictures of the screen as 24-bit BMP files. A window's picture is the
// part of the screen it covers, so whatever lies above it shows too.
#pragma once

#include <windows.h>

#include <string>

namespace zorn::uidriver {

// The whole screen when `area` is empty; returns the part of the screen
// pictured. Fails when the file cannot be written.
RECT SaveScreenshot(const std::wstring& path, RECT area);

}  // namespace zorn::uidriver
