# Windows x86_64 build with MinGW-w64; tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)

# Release unless asked otherwise, as the program is run and shipped: -O2 as the
# other builds, no debug information in the exe (-s), and no link time in the
# PE header, so the same sources link to the same bytes. Sections lie in the
# file at page boundaries, as in memory, so Wine maps the exe's pages as they
# are used instead of reading the whole file into memory.
set(CMAKE_BUILD_TYPE_INIT Release)
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of Release builds")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp -Wl,--file-alignment,4096")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
