#!/usr/bin/env bash
# zorn.exe under Wine, driven with uidriver: the main window 10 ms after a
# start with a link kind, centred, its place saved in config.ini at close and
# restored at the next start; with an empty folder the settings dialog
# opens and the main window stays hidden until a left click on the tray icon; the tray menu's "Закрыть" ends the program with 0 and
# leaves no process behind.
#   zorn_start_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR ZORN_EXE
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness/harness.sh"
harness_init "$1" "$2" "$3"
cp "$4" zorn.exe

crlf() { printf '%s\r\n' "$@"; }
# The running zorn.exe of this folder, if any.
left_behind() { pgrep -f "$H_WORK/zorn.exe" >/dev/null; }

# 1. A link kind in config.ini: the main window shows, centred on the
#    1280 × 1024 screen of Xvfb.
crlf "[config]" "type_connect=2" "tcp_port=4455" >config.ini
ZORN_WINE_TIMEOUT=60 harness_start zorn zorn.exe
uid wait "${MAIN[@]}" --timeout 60000
check "the main window shows after start" rc_is 0
# 438 wide as designed, widened to hold the whole main panel in its client area.
check "it is 494 × 328, centred" has "$UID_OUT" "screen=393,348,494,328"
uid screenshot main_window.bmp "${MAIN[@]}"
uid screenshot screen.bmp
uid tray-wait --index 0 --timeout 10000
check "the tray icon is there" rc_is 0
close_from_tray
check "the tray menu offers Закрыть and takes the pick" rc_is 0
check "the program ends" harness_wait_exit zorn 20
check "with exit code 0" [ "${H_RC:-x}" = 0 ]
check "and no process left behind" eval '! left_behind'
check "the place was saved in [mainForm]" \
  eval 'tr -d "\r" <config.ini | grep -A4 "^\[mainForm\]" | tr "\n" " " | grep -q "Left=393 Top=348 Width=494 Height=328"'
check "the [config] keys stayed" eval 'grep -q "^type_connect=2" config.ini'

# 2. A stored place is where the next start shows the window; a close
#    request to the window ends the program as the menu does.
crlf "[config]" "type_connect=1" "[mainForm]" "Left=100" "Top=120" "Width=500" "Height=400" >config.ini
ZORN_WINE_TIMEOUT=60 harness_start zorn zorn.exe
uid wait "${MAIN[@]}" --timeout 30000
check "the next start shows the window at the stored place" has "$UID_OUT" "screen=100,120,500,400"
uid close "${MAIN[@]}"
check "a close request ends the program with 0" \
  eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'

# 3. No link kind (no config.ini at all): the settings dialog opens, the
#    main window stays hidden; a left click on the tray icon restores it.
rm -f config.ini
ZORN_WINE_TIMEOUT=60 harness_start zorn zorn.exe
uid wait --title "Установки" --class ZornForm --timeout 30000
check "the settings dialog opens" rc_is 0
uid list --title "Установки" --class ZornForm
check "with the serial choice checked and Сохранить" \
  eval 'has "$UID_OUT" "text=\"Com Port\"" && has "$(grep -F "text=\"Com Port\"" <<<"$UID_OUT")" "checked=1" && has "$UID_OUT" "text=\"Сохранить\""'
uid screenshot settings_dialog.bmp
uid wait "${MAIN[@]}" --hidden --timeout 30000
check "the hidden main window exists" rc_is 0
uid tray-wait --index 0 --timeout 10000
uid wait "${MAIN[@]}" --timeout 1500
check "and stays hidden" rc_is 1
uid tray-click --index 0 --button left
uid wait "${MAIN[@]}" --timeout 5000
check "a left click on the tray icon shows it" rc_is 0
uid screenshot restored_from_tray.bmp
close_from_tray
check "Закрыть ends it with 0" eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'
check "no process left behind" eval '! left_behind'

harness_finish
