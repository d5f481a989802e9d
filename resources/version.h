// The program's version, the one place that holds it. zorn.exe's version
// resource (version.rc) and manifest, the packages (scripts/package.sh) and
// the installer take it from here. The main window's caption "ЗОРН v3.3"
// shows the first two numbers and changes with them.
#pragma once

#define ZORN_VERSION_MAJOR 3
#define ZORN_VERSION_MINOR 3
#define ZORN_VERSION_PATCH 0
#define ZORN_VERSION_TEXT "3.3.0"
