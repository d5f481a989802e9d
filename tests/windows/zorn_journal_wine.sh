#!/usr/bin/env bash
# The event journal of zorn.exe under Wine, with a native plcsim as the TCP
# controller: an event rule fires, its row is in journal\<day>.csv beside
# the program in CP1251 with CR LF under the header, the log's menu ends
# with "Открыть журнал", which opens the folder, and after the program is
# closed and started again (without a controller) the event log shows the
# row from before.
#   zorn_journal_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR ZORN_EXE PLCSIM
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness/harness.sh"
harness_init "$1" "$2" "$3"
cp "$4" zorn.exe
plcsim=$5

EVENTS=(--title "Журнал событий" --class ZornForm)
TABLE=(--ctl-class SysListView32)
ROW='"Авария есть" "Равно 1" "1" "Только запись"'

port=$(free_port)
printf '[config]\r\ntype_connect=2\r\ntcp_port=%s\r\ntime_refresh=1\r\n[graphForm]\r\nvisible=1\r\n' "$port" >config.ini
iconv -f UTF-8 -t CP1251 >user_settings.ini <<'EOF_RULES'
[eventForm]
event_1=0;1;1;1;Авария есть;0;
EOF_RULES
printf 'in bool 1 const 1\n' >blocks.txt
plcsim_tcp "$plcsim" "$port"

# 1. The rule fires once the controller reports its block.
ZORN_WINE_TIMEOUT=120 harness_start zorn zorn.exe
uid wait "${EVENTS[@]}" --timeout 60000
check "the event log window opens at start" rc_is 0
check "the journal folder is made at start" test -d journal
uid click "${MAIN[@]}" --ctl-text Старт
check "the controller connects" wire_has 'scan\x0a' 20
for _ in $(seq 50); do
  uid rows "${EVENTS[@]}" "${TABLE[@]}"
  has "$UID_OUT" "$ROW" && break
  sleep 0.2
done
check "the rule writes its row in the log" has "$UID_OUT" "$ROW"
stamp=$(grep -F "$ROW" <<<"$UID_OUT" | head -1 | sed -E 's/^row [^"]*"([^"]*)".*/\1/')
check "the row begins with its time stamp" eval '[[ "$stamp" =~ ^[0-9]{2}:[0-9]{2}:[0-9]{2}\ [0-9]{2}-[0-9]{2}-[0-9]{4}$ ]]'
# The day's file is named after the stamp's date.
day=$(sed -E 's/^.* ([0-9]{2})-([0-9]{2})-([0-9]{4})$/\3-\2-\1/' <<<"$stamp")
file=journal/$day.csv
check "the row is in journal\\$day.csv" test -f "$file"
expected=$(mktemp)
printf 'Время;Событие;Условие;Значение;Действие\r\n%s;Авария есть;Равно 1;1;Только запись\r\n' "$stamp" |
  iconv -f UTF-8 -t CP1251 >"$expected"
check "the file holds the header and the row, in CP1251 with CR LF" cmp "$expected" "$file"
check "its first bytes are Время in CP1251" eval '[ "$(head -c 5 "$file" | od -An -tx1 | tr -d " \n")" = c2f0e5ecff ]'
cp "$file" before_restart.csv

# 2. The menu ends with the journal's item; it opens the folder.
uid click "${EVENTS[@]}" "${TABLE[@]}" --row 0 --button right -- menu-wait "${EVENTS[@]}"
check "a right click opens the log's menu" rc_is 0
uid screenshot menu.bmp
uid menu-pick "${EVENTS[@]}" "Открыть журнал" \
  --layout "Редактировать|Фильтр по выбранному|-|Добавить|-|Все события|Открыть журнал"
# (Wine lets no other process read a menu: the layout tells uidriver where
# the item is, and the folder's window below shows that the program took it.)
check "the pick of the menu's last item goes through" rc_is 0
# Wine's shell shows the folder in its explorer, titled with the folder's
# name; it is closed again so that no window stays in the shared prefix.
FOLDER=(--title journal --class ExplorerWClass)
uid wait "${FOLDER[@]}" --timeout 20000
check "Открыть журнал opens the journal folder in the shell" rc_is 0
uid screenshot folder_open.bmp
uid close "${FOLDER[@]}" -- wait-gone "${FOLDER[@]}" --timeout 10000
check "the folder's window closes again" rc_is 0

close_from_tray
check "Закрыть ends the program with 0" eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'
wait "$PLCSIM_PID"

# 3. The next start, with no controller, shows the row from before.
ZORN_WINE_TIMEOUT=60 harness_start zorn zorn.exe
uid wait "${EVENTS[@]}" --timeout 60000
uid rows "${EVENTS[@]}" "${TABLE[@]}"
check "after a restart the log shows the row from before" has "$UID_OUT" "\"$stamp\" $ROW"
check "and holds nothing else" eval '[ "$(grep -c "^row " <<<"$UID_OUT")" = 1 ]'
uid screenshot events_after_restart.bmp "${EVENTS[@]}"
check "the journal file is as it was" cmp before_restart.csv "$file"
close_from_tray
check "Закрыть ends the second run with 0" eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'

harness_finish
