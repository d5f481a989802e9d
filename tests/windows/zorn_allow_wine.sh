#!/usr/bin/env bash
# zorn.exe under Wine with config.ini's tcp_bind and tcp_allow: it listens on
# 127.0.0.1 only and takes clients from 127.0.0.2 only. A native plcsim
# connecting from 127.0.0.3 is closed at once: it receives nothing, not even
# the scan request, and its block's value never reaches the main list; one
# from 127.0.0.2 gets the scan request and the poll, and its value does.
# Closing the program keeps both keys in config.ini.
#   zorn_allow_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR ZORN_EXE PLCSIM
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness/harness.sh"
harness_init "$1" "$2" "$3"
cp "$4" zorn.exe
plcsim=$5

port=$(free_port)
printf '[config]\r\ntype_connect=2\r\ntcp_port=%s\r\ntime_refresh=1\r\ntcp_bind=127.0.0.1\r\ntcp_allow=127.0.0.2\r\n' \
  "$port" >config.ini
# Main list rows for a block of each controller.
iconv -f UTF-8 -t CP1251 >user_settings.ini <<'EOF'
[mainForm]
unit_1=1;2;100;2;Свой: ;110;0
unit_2=1;8;100;2;Чужой: ;110;0
EOF
printf 'in bool 1 const 1\nin int 2 counter 0 1\n' >blocks.txt
printf 'in bool 9 const 1\nin int 8 const 5\n' >refused-blocks.txt

# Exits 0 when the pid ends within S seconds; its exit code in EXIT_RC.
ends_within() {
  local pid=$1 end=$((SECONDS + $2))
  while kill -0 "$pid" 2>/dev/null; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
  wait "$pid"
  EXIT_RC=$?
}

ZORN_WINE_TIMEOUT=120 harness_start zorn zorn.exe
uid wait "${MAIN[@]}" --timeout 60000
check "the main window shows" rc_is 0
uid click "${MAIN[@]}" --ctl-text Старт
check "Старт is there and takes the click" rc_is 0
uid wait-text "${MAIN[@]}" --ctl-text Стоп --equals Стоп --timeout 5000
check "the button now reads Стоп" rc_is 0

# The refused controller: connected, closed by the panel, nothing received.
"$plcsim" --tcp "127.0.0.1:$port" --from 127.0.0.3 --blocks refused-blocks.txt \
  --log refused-wire.log --log-hex --connect-timeout 20000 2>refused.err &
refused=$!
check "the client from 127.0.0.3 is closed by the panel (plcsim ends with 0)" \
  eval 'ends_within $refused 30 && [ "$EXIT_RC" = 0 ]'
check "it connected at all" grep -q "connected to 127.0.0.1:$port" refused.err
check "it received nothing, not even the scan request" [ ! -s refused-wire.log ]

# The allowed controller.
plcsim_tcp "$plcsim" "$port" 127.0.0.2
check "the client from 127.0.0.2 gets the scan request" wire_has 'scan\x0a' 20
check "and a poll within two seconds" wire_has '\x0dref\x0a' 3
uid wait-text "${MAIN[@]}" --ctl-has "Свой: " --has "Свой: " --timeout 5000
check "its values reach the main list" eval 'rc_is 0 && [[ "$UID_OUT" =~ Свой:\ [0-9]+ ]]'
uid text "${MAIN[@]}" --ctl-has "Чужой: "
check "the refused client's value never does" eval 'rc_is 0 && has "$UID_OUT" "Чужой: " && ! [[ "$UID_OUT" =~ [0-9] ]]'
uid screenshot allowed.bmp "${MAIN[@]}"

uid click "${MAIN[@]}" --ctl-text Стоп
uid wait-text "${MAIN[@]}" --ctl-text Старт --equals Старт --timeout 5000
check "Стоп turns it back to Старт" rc_is 0
check "the allowed controller saw the link close (exit 0)" eval 'ends_within $PLCSIM_PID 10 && [ "$EXIT_RC" = 0 ]'

close_from_tray
check "Закрыть ends the program with 0" eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'
check "config.ini keeps tcp_bind and tcp_allow" \
  eval 'grep -q "^tcp_bind=127.0.0.1" config.ini && grep -q "^tcp_allow=127.0.0.2" config.ini'

harness_finish
