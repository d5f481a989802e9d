#!/usr/bin/env bash
# zorn.exe as the TCP server of a native plcsim, under Wine: "Старт" on the
# main panel makes it listen, the controller connects and receives the scan
# request at once and the poll every second; "Стоп" stops it; the tray menu's
# "Закрыть" ends the program, and the controller sees the link close.
#   zorn_link_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR ZORN_EXE PLCSIM
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness/harness.sh"
harness_init "$1" "$2" "$3"
cp "$4" zorn.exe
plcsim=$5

port=$(free_port)
printf '[config]\r\ntype_connect=2\r\ntcp_port=%s\r\ntime_refresh=1\r\n' "$port" >config.ini
printf 'in bool 1 const 1\nin int 2 counter 0 1\nout bool 4\n' >blocks.txt
plcsim_tcp "$plcsim" "$port"

ZORN_WINE_TIMEOUT=90 harness_start zorn zorn.exe
uid wait "${MAIN[@]}" --timeout 60000
check "the main window shows" rc_is 0
uid click "${MAIN[@]}" --ctl-text Старт
check "Старт is there and takes the click" rc_is 0
check "the controller gets the scan request as it connects" wire_has 'scan\x0a' 20
check "and a poll within two seconds" wire_has '\x0dref\x0a' 3
uid wait-text "${MAIN[@]}" --ctl-text Стоп --equals Стоп --timeout 5000
check "the button now reads Стоп" rc_is 0
uid screenshot linked.bmp "${MAIN[@]}"
uid click "${MAIN[@]}" --ctl-text Стоп
uid wait-text "${MAIN[@]}" --ctl-text Старт --equals Старт --timeout 5000
check "Стоп turns it back to Старт" rc_is 0
wait "$PLCSIM_PID"
check "the controller saw the link close (exit 0)" [ $? -eq 0 ]

close_from_tray
check "Закрыть ends the program with 0" eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'

harness_finish
