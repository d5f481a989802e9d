#!/usr/bin/env bash
# The packages of scripts/package.sh under Wine, as a Windows user gets them:
# the win32 zip unpacked into an empty folder, its zorn.exe started there
# with the example settings until its main window shows; the win64 zip's
# program is the 64-bit one; the installer run silently into a chosen folder
# (the 64-bit program on this 64-bit prefix, the Start-menu shortcuts, the
# uninstall entry), the installed program started, then the uninstaller run
# silently: the program, shortcuts and entry go, the settings files stay;
# a second installation uninstalled with /REMOVESETTINGS leaves nothing.
#   package_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR DIST_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
. "$here/harness/harness.sh"
dist=$(cd "$4" && pwd)
harness_init "$1" "$2" "$3"

version=$(sed -n 's/^#define ZORN_VERSION_TEXT "\([0-9.]*\)"$/\1/p' "$source_dir/resources/version.h")
MAIN=(--title "ЗОРН v3.3" --class ZornForm)
winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
close_from_tray() {
  uid tray-click --index 0 --button right -- menu-pick "${MAIN[@]}" --hidden Закрыть --layout Закрыть
}
# A path appears (or, with "gone", disappears) within S seconds.
appears() {
  local end=$((SECONDS + $2))
  until [ -e "$1" ]; do [ $SECONDS -ge $end ] && return 1; sleep 0.2; done
}
goes() {
  local end=$((SECONDS + $2))
  while [ -e "$1" ]; do [ $SECONDS -ge $end ] && return 1; sleep 0.2; done
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
cp "zip/$top/example/config.ini" "zip/$top/example/user_settings.ini" "zip/$top/"
ZORN_WINE_TIMEOUT=90 harness_start unzipped "zip/$top/zorn.exe"
uid wait "${MAIN[@]}" --timeout 60000
check "the unpacked zorn.exe shows its main window" rc_is 0
uid screenshot unzipped.bmp
close_from_tray
check "and ends with 0 from the tray menu" eval 'harness_wait_exit unzipped 20 && [ "$H_RC" = 0 ]'

mkdir zip64 && (cd zip64 && unzip -q "$dist/zorn-$version-win64.zip")
check "the win64 zip's zorn.exe is a 64-bit Windows program" is_pe64 "zip64/zorn-$version-win64/zorn.exe"

# 2. The installer, silently, into a chosen folder.
prefix=$("$H_WINE_RUN" --prefix "$dist/zorn-$version-setup.exe")
installed=$H_WORK/installed
"$H_WINE_RUN" "$dist/zorn-$version-setup.exe" /S "/D=$(winpath "$installed")" >setup.out 2>&1
check "the silent installation ends with 0" [ $? -eq 0 ]
check "it installs the 64-bit program of the win64 zip" \
  eval "is_pe64 '$installed/zorn.exe' && cmp -s '$installed/zorn.exe' zip64/zorn-$version-win64/zorn.exe"
for f in uninstall.exe operator-guide.md example/config.ini example/user_settings.ini; do
  check "it installs $f" [ -f "$installed/$f" ]
done
check "no settings file is made by the installation" eval "[ ! -e '$installed/config.ini' ]"
menu=$(find "$prefix/drive_c/users" -path '*Start Menu/Programs/ЗОРН' -type d 2>/dev/null | head -1)
check "the Start menu has the folder ЗОРН with the program's shortcut" [ -n "$menu" ] && [ -f "$menu/ЗОРН.lnk" ]
"$H_WINE_RUN" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORN' >uninstall_key.txt 2>&1
check "the uninstall entry names version $version" grep -q "DisplayVersion.*$version" uninstall_key.txt

cp "$installed/example/config.ini" "$installed/example/user_settings.ini" "$installed/"
ZORN_WINE_TIMEOUT=90 harness_start installed "$installed/zorn.exe"
uid wait "${MAIN[@]}" --timeout 60000
check "the installed program shows its main window" rc_is 0
close_from_tray
check "and ends with 0" eval 'harness_wait_exit installed 20 && [ "$H_RC" = 0 ]'
check "having saved its place in config.ini" eval "grep -q '^Left=' '$installed/config.ini'"
cp "$installed/config.ini" config.saved

# The uninstaller copies itself away and runs from there: the files go
# some moments after it returns.
"$H_WINE_RUN" "$installed/uninstall.exe" /S >uninstall.out 2>&1
check "the silent uninstallation removes zorn.exe" goes "$installed/zorn.exe" 60
check "and itself, the guide and the example folder" \
  eval "goes '$installed/uninstall.exe' 30 && [ ! -e '$installed/operator-guide.md' ] && [ ! -e '$installed/example' ]"
check "it leaves config.ini as it was" cmp -s "$installed/config.ini" config.saved
check "and user_settings.ini" [ -f "$installed/user_settings.ini" ]
check "the Start-menu folder is gone" eval "[ -z '$menu' ] || [ ! -e '$menu' ]"
"$H_WINE_RUN" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORN' >/dev/null 2>&1
check "the uninstall entry is gone" [ $? -ne 0 ]

# 3. Asked to, the uninstaller takes the settings too.
"$H_WINE_RUN" "$dist/zorn-$version-setup.exe" /S "/D=$(winpath "$installed")" >>setup.out 2>&1
check "a second installation over the kept settings" appears "$installed/zorn.exe" 30
check "keeps them" cmp -s "$installed/config.ini" config.saved
"$H_WINE_RUN" "$installed/uninstall.exe" /S /REMOVESETTINGS >>uninstall.out 2>&1
check "uninstalling with /REMOVESETTINGS leaves no folder behind" goes "$installed" 60

harness_finish
