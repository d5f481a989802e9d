// The INI profile service: the private-profile calls of Windows. All text is
// CP1251 and every file is a Windows-form path ("\" separators). Win32 calls the
// kernel32 functions; POSIX reads and writes the files itself with the same
// observable results, writing each file atomically.
//
// Nothing is cached: every call reads the file anew. Section and key names match
// without regard to letter case and to blanks around them. A string argument
// ends at its first NUL character, as the C strings of the Windows calls do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorn::platform {

// GetPrivateProfileStringA. Sets `value` to the value of `key` in `section`, or
// to `defaultValue` without its trailing blanks when the file, the section or
// the key is missing; one pair of matching surrounding quotes is removed. The
// result holds at most bufferSize - 1 characters; returns its length.
uint32_t ReadIniString(const std::string& file, const std::string& section,
                       const std::string& key, const std::string& defaultValue,
                       uint32_t bufferSize, std::string& value);

// GetPrivateProfileIntA. The value's leading digits after one optional sign (a
// "0x", "0o" or "0b" prefix picks base 16, 8 or 2), wrapping modulo 2^32; a
// value that starts with anything else gives 0. A missing file, section or key,
// or an empty value, gives `defaultValue`. Cast to int32_t for a signed number.
uint32_t ReadIniInt(const std::string& file, const std::string& section,
                    const std::string& key, int32_t defaultValue);

// GetPrivateProfileSectionA. Sets `lines` to the entries of `section` in file
// order ("key=value", or the line itself when it has no "="); comment and blank
// lines are left out. The entries, each with a NUL, and a final NUL must fit in
// bufferSize - 1 characters (a text that would exactly fill the buffer counts
// as cut); when they do not, the text is cut and the return is bufferSize - 2.
// Returns the number of characters without the final NUL; 0 and no lines for a
// missing file or section, and for a bufferSize of 0 (which makes Wine write
// outside the buffer, so it is not passed on).
uint32_t ReadIniSection(const std::string& file, const std::string& section,
                        uint32_t bufferSize, std::vector<std::string>& lines);

// WritePrivateProfileStringA with a value. Replaces the value of an existing key
// (its spelling is kept), or adds the key after the last entry of the section,
// or adds the section at the end of the file; creates a missing file. Values are
// written as given. The rest of the file is kept byte for byte (POSIX). Fails
// when the folder is missing or the file cannot be written.
bool WriteIniString(const std::string& file, const std::string& section,
                    const std::string& key, const std::string& value);

// WritePrivateProfileStringA with no value: removes the key's line. True also
// when there was no such key.
bool DeleteIniKey(const std::string& file, const std::string& section,
                  const std::string& key);

// WritePrivateProfileStringA with no key: removes the section's header and all
// its lines. True also when there was no such section.
bool DeleteIniSection(const std::string& file, const std::string& section);

// WritePrivateProfileSectionA. Replaces the entries of `section` with `lines`
// ("key=value" each; empty lines and lines without "=" are dropped), or adds
// the section at the end of the file.
bool WriteIniSection(const std::string& file, const std::string& section,
                     const std::vector<std::string>& lines);

// WritePrivateProfileStringA with no section, key or value: flushes the cache
// of profile files. Returns false, as Windows does after a flush. POSIX keeps no
// cache, so this does nothing there.
bool FlushIni(const std::string& file);

}  // namespace zorn::platform
