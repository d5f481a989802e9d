#!/usr/bin/env bash
# zorn.exe /ih under Wine: only the information box, with its exact texts
# and one OK button, no main window, nothing written; "/IH" starts the
# program as any other argument does.
#   zorn_info_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR ZORN_EXE
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness/harness.sh"
harness_init "$1" "$2" "$3"
cp "$4" zorn.exe

BOX=(--title "Vorant Info" --class "#32770")
count() { grep -c -- "$2" <<<"$1"; }

ZORN_WINE_TIMEOUT=60 harness_start zorn zorn.exe /ih
uid wait "${BOX[@]}" --timeout 60000
check "the box comes up" rc_is 0
uid list "${BOX[@]}"
check "with the text Сделано в Vorant." has "$UID_OUT" 'class="Static" text="Сделано в Vorant."'
check "and a single button, OK" \
  eval '[ "$(count "$UID_OUT" "class=\"Button\"")" = 1 ] && has "$UID_OUT" "class=\"Button\" text=\"OK\""'
uid screenshot info_box.bmp "${BOX[@]}"
uid windows --class ZornForm --hidden
check "no main window is built" eval 'rc_is 0 && [ -z "$UID_OUT" ]'
uid click "${BOX[@]}" --ctl-class Button
check "OK closes it and the program ends with 0" \
  eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'
check "nothing was written" eval '[ ! -e config.ini ]'

ZORN_WINE_TIMEOUT=60 harness_start zorn zorn.exe /IH
uid wait --title "ЗОРН v3.3" --class ZornForm --hidden --timeout 30000
check "/IH starts the program" rc_is 0
uid close --title "ЗОРН v3.3" --class ZornForm --hidden
check "which ends with 0 on a close request" eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'

harness_finish
