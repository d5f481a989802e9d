// How the POSIX INI service writes its files.
#pragma once

namespace zorn::platform {

// On (the default), a write goes to an unnamed file (O_TMPFILE) that is named
// only just before it replaces the old file, where the file system allows;
// off, always to a named temporary file, as on file systems without unnamed
// files. The tests run both ways.
void UseUnnamedTemporaryFiles(bool use);

}  // namespace zorn::platform
