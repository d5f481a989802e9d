// Folder queries. Paths inside the program are Windows-form CP1251 text with
// "\" separators on every platform; the POSIX layer converts at its boundary.
#pragma once

#include <string>

namespace zorn::platform {

// Folders come without a trailing "\".
std::string WindowsFolder();  // POSIX: /usr/share
std::string SystemFolder();   // POSIX: /usr/lib
std::string TempFolder();     // POSIX: $TMPDIR, else /tmp
std::string ExeFilePath();    // the running program's file

// Conversions for the POSIX file layer: "\" <-> "/", CP1251 <-> UTF-8.
std::string ToNativePath(const std::string& path);
std::string FromNativePath(const std::string& path);

}  // namespace zorn::platform
