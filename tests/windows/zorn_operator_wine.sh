#!/usr/bin/env bash
# What an operator does to zorn.exe's windows under Wine, with a native
# plcsim as the TCP controller: the main window at its default size shows
# every panel control; minimised and brought back by a left click on the
# tray icon it is at its place with the panel whole; squeezed and widened,
# STR comes back and sends a raw line; a real double press on a hold button
# whose second press ends off the button still ends with 0;block; two quick
# clicks on a toggle send twice; closed from the tray while minimised, the
# normal place is saved and used at the next start; a place stored off the
# screen is not used; a first start in an empty folder saved without edits
# listens on the port the dialog showed.
#   zorn_operator_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR ZORN_EXE PLCSIM
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness/harness.sh"
harness_init "$1" "$2" "$3"
cp "$4" zorn.exe
plcsim=$5

BUTTONS=(--title Form --class ZornForm)
# The commands plcsim received for block $1, in order, one per line.
commands_for() { grep -o "\\\\x0d[0-9]*;$1\\\\x0a" wire.log 2>/dev/null | sed 's/\\x0d//; s/\\x0a//'; }
# The rectangle (left,top,width,height) of the main window's control that
# reads $1, relative to its parent.
rect_of() {
  uid list "${MAIN[@]}" --ctl-text "$1" --ctl-class Button
  sed -n 's/^control .* rect=\([-0-9]*,[-0-9]*,[-0-9]*,[-0-9]*\) .*/\1/p' <<<"$UID_OUT" | head -1
}
width_of() { rect_of "$1" | cut -d, -f3; }
# Every control of the main panel at its own width; $1 the start button's
# caption (Старт, or Стоп while the link is on).
panel_whole() {
  local text width
  for text in "${1:-Старт}" Кнопки Индикаторы События Настройка STR RST; do
    width=73
    case $text in STR | RST) width=44 ;; esac
    [ "$(width_of "$text")" = "$width" ] || { echo "  $text: $(rect_of "$text")"; return 1; }
  done
}
str_enabled() {
  local end=$((SECONDS + 5))
  until uid list "${MAIN[@]}" --ctl-text STR --ctl-class Button && has "$UID_OUT" "enabled=1"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}
section() { sed -n "/^\[$1\]/,/^\[/p" config.ini | tr -d '\r'; }
closes() {
  close_from_tray
  harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]
}

port=$(free_port)
printf '[config]\r\ntype_connect=2\r\ntcp_port=%s\r\ntime_refresh=1\r\n' "$port" >config.ini
printf '[buttonForm]\r\nvisible=1\r\nLeft=35\r\nTop=105\r\n' >>config.ini
iconv -f UTF-8 -t CP1251 >user_settings.ini <<'EOF'
[buttonForm]
unit_1=6;6;255;2;Держать;70;0
unit_2=5;4;0;1;Лампа;70;0
EOF
printf 'out int 6\nout bool 4\n' >blocks.txt
plcsim_tcp "$plcsim" "$port"

# 1. The default size: centred, wide enough for every panel control.
ZORN_WINE_TIMEOUT=150 harness_start zorn zorn.exe
uid wait "${MAIN[@]}" --timeout 60000
check "the main window shows" rc_is 0
normal=$(sed -n 's/.* screen=\([-0-9,]*\) .*/\1/p' <<<"$UID_OUT")
check "every panel control shows at its width at the default size" panel_whole
uid screenshot main_default.bmp "${MAIN[@]}"

# 2. Minimised, it goes to the tray; a left click on the icon brings it back
#    at its place, restored, with the panel whole.
uid minimize "${MAIN[@]}" -- wait-gone "${MAIN[@]}"
check "minimising hides the main window" rc_is 0
uid tray-click --index 0 --button left -- wait "${MAIN[@]}"
check "a left click on the tray icon shows it again" rc_is 0
check "restored, at its place" has "$UID_OUT" "screen=$normal client="
check "and not minimised" has "$UID_OUT" "minimized=0"
check "with every panel control at its width" panel_whole
uid screenshot main_restored.bmp "${MAIN[@]}"

# 3. Squeezed, STR gives way; widened, it comes back, and with the link up it
#    opens "Прямой ввод", which sends the line as typed.
uid click "${MAIN[@]}" --ctl-text Старт
check "the controller connects" wire_has 'scan\x0a' 20
uid resize "${MAIN[@]}" --size 300,328
uid resize "${MAIN[@]}" --size 640,328
check "widened, every panel control is back at its width" panel_whole Стоп
uid screenshot main_wide.bmp "${MAIN[@]}"
check "STR is enabled once the link is live" str_enabled
uid click "${MAIN[@]}" --ctl-text STR --ctl-class Button -- wait --title "Прямой ввод" --class ZornForm
check "STR opens Прямой ввод" rc_is 0
# The text goes in before the old one, which Delete then removes: keys the
# edit handles on their key-down keep the order they were posted in, where
# the characters Back makes would come after the typed ones.
uid focus --title "Прямой ввод" --class ZornForm --ctl-class Edit -- \
  key --title "Прямой ввод" --class ZornForm --ctl-class Edit home -- \
  type --title "Прямой ввод" --class ZornForm rawline -- \
  key --title "Прямой ввод" --class ZornForm delete delete delete delete delete delete enter
check "and Enter sends the raw line as typed" eval "wire_has rawline 5 && ! grep -q stroka wire.log"

# 4. A real double press on the hold button whose second press is let go
#    off the button: the last command for its block is 0;6.
hold=("${BUTTONS[@]}" --ctl-text Держать --ctl-index 1)
uid --real-input click "${hold[@]}" -- down "${hold[@]}" -- \
  move "${BUTTONS[@]}" --at 1,1 -- up "${BUTTONS[@]}" --at 1,1
check "the double press is delivered" rc_is 0
sleep 1
check "both presses sent 255;6 and both ends 0;6" \
  eval '[ "$(commands_for 6 | tr "\n" " ")" = "255;6 0;6 255;6 0;6 " ]'
# 5. Two quick clicks on a toggle: two commands, and it ends unchecked.
lamp=("${BUTTONS[@]}" --ctl-text Лампа --ctl-index 0)
uid --real-input dblclick "${lamp[@]}"
sleep 1
check "two quick clicks on a toggle send 1;4 and 0;4" \
  eval '[ "$(commands_for 4 | grep -v "^0;4$" -m1)" = "1;4" ] && [ "$(commands_for 4 | tail -2 | tr "\n" " ")" = "1;4 0;4 " ]'
uid list "${lamp[@]}"
check "and leave it unchecked" has "$UID_OUT" "checked=0"
uid screenshot buttons.bmp "${BUTTONS[@]}"

# 6. Closed from the tray while minimised: config.ini keeps the normal place,
#    and the next start shows the window there.
uid minimize "${MAIN[@]}" -- wait-gone "${MAIN[@]}"
check "Закрыть from the tray while minimised ends the program" closes
wait "$PLCSIM_PID"
normal_place=$(IFS=,; set -- $normal; echo "Left=$1 Top=$2 Width=640 Height=328")
check "the normal place is saved ($normal_place)" eval '[ "$(section mainForm | grep -v "^\[" | tr "\n" " ")" = "$normal_place " ]'
check "and the button window's place too" eval 'section buttonForm | grep -q "^Width="'
ZORN_WINE_TIMEOUT=60 harness_start zorn zorn.exe
uid wait "${MAIN[@]}" --timeout 60000
check "the next start shows it at that place" has "$UID_OUT" "screen=${normal%,*,*},640,328 "
check "Закрыть ends it" closes

# 7. A place stored off the screen (what older builds saved for a window
#    closed while minimised): the window starts centred at its own size.
printf '[config]\r\ntype_connect=2\r\ntcp_port=%s\r\n[mainForm]\r\nLeft=-32000\r\nTop=-32000\r\nWidth=160\r\nHeight=24\r\n' \
  "$port" >config.ini
ZORN_WINE_TIMEOUT=60 harness_start zorn zorn.exe
uid wait "${MAIN[@]}" --timeout 60000
check "a place off the screen is not used" has "$UID_OUT" "screen=$normal "
uid screenshot main_healed.bmp "${MAIN[@]}"
check "Закрыть ends it" closes
check "and the place saved now is on the screen" eval 'section mainForm | grep -q "^Left=${normal%%,*}$"'

# 8. An empty folder: TCP chosen and saved without an edit stores the port
#    the dialog shows, and Старт listens on it.
rm -f config.ini user_settings.ini wire.log
SETTINGS=(--title "Установки" --class ZornForm)
ZORN_WINE_TIMEOUT=90 harness_start zorn zorn.exe
uid wait "${SETTINGS[@]}" --timeout 60000
check "a first start opens the settings dialog" rc_is 0
uid screenshot settings_first.bmp "${SETTINGS[@]}"
uid click "${SETTINGS[@]}" --ctl-text "TCP IP server (port)" -- list "${SETTINGS[@]}" --ctl-text 4455 --ctl-class Edit
check "TCP shows the port 4455" eval 'rc_is 0 && has "$UID_OUT" "visible=1"'
uid screenshot settings_tcp.bmp "${SETTINGS[@]}"
uid click "${SETTINGS[@]}" --ctl-text Сохранить -- wait-gone "${SETTINGS[@]}"
check "Сохранить stores tcp_port=4455" eval 'section config | grep -qx "tcp_port=4455"'
plcsim_tcp "$plcsim" 4455
uid wait "${MAIN[@]}" --timeout 10000 -- click "${MAIN[@]}" --ctl-text Старт
check "Старт listens on 4455: the controller gets the scan request" wire_has 'scan\x0a' 30
check "Закрыть ends it" closes
wait "$PLCSIM_PID"

harness_finish
