// Files of the program's own records (the event journal): folders made and
// listed, whole reads and the end of a file, appends that reach the disk
// before they return, deletion. Paths are Windows-form CP1251 text, as
// everywhere in the program; the POSIX layer converts them at its boundary.
// Nothing is kept open between calls.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zorn::platform {

// Makes the folder when it is missing (its parent must exist). True when
// the folder exists afterwards; false when it cannot be made or a file of
// that name is in the way.
bool MakeFolder(const std::string& path);

// The names, without the folder, of the plain files in `folder`, in no
// particular order; empty when the folder cannot be read.
std::vector<std::string> ListFiles(const std::string& folder);

// The whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// The last `count` bytes of the file (all of it when it is shorter); false
// when the file does not exist or cannot be read.
bool ReadFileEnd(const std::string& path, size_t count, std::string& bytes);

// Opens the file for appending (creating it when missing), writes all of
// `bytes` at its end, flushes them to the disk (Win32 FlushFileBuffers,
// POSIX fsync) and closes it. False when any step fails.
bool AppendToFile(const std::string& path, const std::string& bytes);

// Deletes the file; true when it was deleted.
bool RemoveFile(const std::string& path);

}  // namespace zorn::platform
