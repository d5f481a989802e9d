#!/usr/bin/env bash
# The packages of scripts/package.sh under Wine, as a Windows user gets them:
# the win32 zip unpacked into an empty folder, its zorn.exe started there
# with the example settings until its main window shows; the win64 zip's
# program is the 64-bit one; the installer run silently into a chosen folder
# (the 64-bit program on this 64-bit prefix, the Start-menu shortcuts, the
# uninstall entry), the installed program started, then the uninstaller run
# silently: the program, shortcuts and entry go, the settings files stay;
# a second installation uninstalled with /REMOVESETTINGS leaves nothing.
# On a machine that runs no 32-bit code (wine-run.sh --runs-32bit), the
# win64 zip's program is the one started, and the installer, a 32-bit
# program itself, is not run; the results say so.
#   package_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR DIST_DIR
# Every program runs in one Wine prefix: $ZORN_WINEPREFIX, else the one
# wine-run.sh gives uidriver (its build folder's). Left to wine-run.sh, each
# program's prefix would follow the folder it lies in, and the installer
# (in DIST_DIR) would write its registry entry and shortcuts into another
# prefix than the one `reg`, the uninstaller and uidriver see.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
. "$here/harness/harness.sh"
abspath() { printf '%s/%s' "$(cd "$(dirname "$1")" && pwd)" "$(basename "$1")"; }
wine_run=$(abspath "$1")
uidriver=$(abspath "$2")
dist=$(cd "$4" && pwd)
prefix=${ZORN_WINEPREFIX:-$("$wine_run" --prefix "$uidriver")}
export ZORN_WINEPREFIX=$prefix
harness_init "$wine_run" "$uidriver" "$3"
echo "Wine prefix: $prefix"

version=$(sed -n 's/^#define ZORN_VERSION_TEXT "\([0-9.]*\)"$/\1/p' "$source_dir/resources/version.h")
winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
# A path appears (or, with "gone", disappears) within S seconds.
appears() {
  local end=$((SECONDS + $2))
  until [ -e "$1" ]; do [ $SECONDS -ge $end ] && return 1; sleep 0.2; done
}
goes() {
  local end=$((SECONDS + $2))
  while [ -e "$1" ]; do [ $SECONDS -ge $end ] && return 1; sleep 0.2; done
}
# The uninstall entry: reg query ends with 1 when the key is not there
# (anything else, such as a killed Wine, is no answer).
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORN'
SETTINGS_KEY='HKCU\Software\Vorant\ZORN'
key_query() { "$H_WINE_RUN" reg query "$1" >"${2:-/dev/null}" 2>&1; }
key_goes() {
  local end=$((SECONDS + $2)) rc
  while true; do
    key_query "$1"
    rc=$?
    [ $rc -eq 1 ] && return 0
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}
is_pe32() { file -b "$1" | grep -q '^PE32 executable (GUI) Intel 80386'; }
is_pe64() { file -b "$1" | grep -q '^PE32+ executable (GUI) x86-64'; }

# 1. The win32 zip into an empty folder.
top=zorn-$version-win32
mkdir zip && (cd zip && unzip -q "$dist/zorn-$version-win32.zip")
listing=$(cd zip && find . -type f | sort | tr '\n' ' ')
echo "win32 zip: $listing"
for f in zorn.exe operator-guide.md CHANGELOG.md example/config.ini example/user_settings.ini images/main.png; do
  check "the win32 zip holds $top/$f" [ -f "zip/$top/$f" ]
done
check "its zorn.exe is a 32-bit Windows program" is_pe32 "zip/$top/zorn.exe"
check "its example settings are the demonstration's, byte for byte" \
  eval "cmp -s zip/$top/example/config.ini '$source_dir/scripts/demo/config.ini' &&
        cmp -s zip/$top/example/user_settings.ini '$source_dir/scripts/demo/user_settings.ini'"
mkdir zip64 && (cd zip64 && unzip -q "$dist/zorn-$version-win64.zip")
check "the win64 zip's zorn.exe is a 64-bit Windows program" is_pe64 "zip64/zorn-$version-win64/zorn.exe"

runs_32bit=""
"$wine_run" --runs-32bit && runs_32bit=1
started=zip/$top
[ -n "$runs_32bit" ] || started=zip64/zorn-$version-win64
cp "zip/$top/example/config.ini" "zip/$top/example/user_settings.ini" "$started/"
ZORN_WINE_TIMEOUT=90 harness_start unzipped "$started/zorn.exe"
uid wait "${MAIN[@]}" --timeout 60000
check "the unpacked $started/zorn.exe shows its main window" rc_is 0
uid screenshot unzipped.bmp
close_from_tray
check "and ends with 0 from the tray menu" eval 'harness_wait_exit unzipped 20 && [ "$H_RC" = 0 ]'

if [ -z "$runs_32bit" ]; then
  echo "NOT RUN: the installer is a 32-bit program, and this machine runs no 32-bit code"
  harness_finish
fi

# 2. The installer, silently, into a chosen folder. A prefix reused from an
# earlier run may still hold that run's entry and shortcuts (if it stopped
# before uninstalling): they go first, so what is checked is this run's.
start_menu() { find "$prefix/drive_c/users" -path '*Start Menu/Programs/ЗОРН' -type d 2>/dev/null | head -1; }
old=$(start_menu)
[ -n "$old" ] && echo "removing an earlier run's $old" && rm -rf "$old"
for key in "$UNINSTALL_KEY" "$SETTINGS_KEY"; do
  key_query "$key" && echo "removing an earlier run's $key" && "$H_WINE_RUN" reg delete "$key" /f >/dev/null 2>&1
done
installed=$H_WORK/installed
"$H_WINE_RUN" "$dist/zorn-$version-setup.exe" /S "/D=$(winpath "$installed")" >setup.out 2>&1
check "the silent installation ends with 0" [ $? -eq 0 ]
check "it installs the 64-bit program of the win64 zip" \
  eval "is_pe64 '$installed/zorn.exe' && cmp -s '$installed/zorn.exe' zip64/zorn-$version-win64/zorn.exe"
for f in uninstall.exe operator-guide.md example/config.ini example/user_settings.ini; do
  check "it installs $f" [ -f "$installed/$f" ]
done
check "no settings file is made by the installation" eval "[ ! -e '$installed/config.ini' ]"
menu=$(start_menu)
check "the Start menu has the folder ЗОРН with the program's shortcut" \
  eval "[ -n '$menu' ] && [ -f '$menu/ЗОРН.lnk' ]"
key_query "$UNINSTALL_KEY" uninstall_key.txt
check "the uninstall entry names version $version and the chosen folder" \
  eval "grep -q 'DisplayVersion.*$version' uninstall_key.txt &&
        grep -Fq 'InstallLocation    REG_SZ    $(winpath "$installed")' uninstall_key.txt"

cp "$installed/example/config.ini" "$installed/example/user_settings.ini" "$installed/"
ZORN_WINE_TIMEOUT=90 harness_start installed "$installed/zorn.exe"
uid wait "${MAIN[@]}" --timeout 60000
check "the installed program shows its main window" rc_is 0
close_from_tray
check "and ends with 0" eval 'harness_wait_exit installed 20 && [ "$H_RC" = 0 ]'
check "having saved its place in config.ini" eval "grep -q '^Left=' '$installed/config.ini'"
cp "$installed/config.ini" config.saved

# The uninstaller copies itself away and runs from there: what it removes
# goes some moments after it returns, in its order: the files, the
# Start-menu folder, the registry entries.
"$H_WINE_RUN" "$installed/uninstall.exe" /S >uninstall.out 2>&1
check "the silent uninstallation removes zorn.exe" goes "$installed/zorn.exe" 60
check "and itself, the guide and the example folder" \
  eval "goes '$installed/uninstall.exe' 30 && [ ! -e '$installed/operator-guide.md' ] && [ ! -e '$installed/example' ]"
check "it leaves config.ini as it was" cmp -s "$installed/config.ini" config.saved
check "and user_settings.ini" [ -f "$installed/user_settings.ini" ]
check "the Start-menu folder is gone" eval "[ -n '$menu' ] && goes '$menu' 30"
check "the uninstall entry is gone" key_goes "$UNINSTALL_KEY" 30

# 3. Asked to, the uninstaller takes the settings too.
"$H_WINE_RUN" "$dist/zorn-$version-setup.exe" /S "/D=$(winpath "$installed")" >>setup.out 2>&1
check "a second installation over the kept settings" appears "$installed/zorn.exe" 30
check "keeps them" cmp -s "$installed/config.ini" config.saved
"$H_WINE_RUN" "$installed/uninstall.exe" /S /REMOVESETTINGS >>uninstall.out 2>&1
check "uninstalling with /REMOVESETTINGS leaves no folder behind" goes "$installed" 60
check "nor its Start-menu folder and entries" \
  eval "goes '$menu' 30 && key_goes '$UNINSTALL_KEY' 30 && key_goes '$SETTINGS_KEY' 10"

harness_finish
