#!/usr/bin/env bash
# The operator windows of zorn.exe under Wine, with a native plcsim as the
# TCP controller: the button, indicator and event log windows open at start
# from their flags, a pulse button sends its command to the controller, the
# indicator and the main list row follow the reported values, the event rule
# writes its row, and the windows' places are saved at exit.
#   zorn_windows_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR ZORN_EXE PLCSIM
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness/harness.sh"
harness_init "$1" "$2" "$3"
cp "$4" zorn.exe
plcsim=$5

EVENTS=(--title "Журнал событий" --class ZornForm)
# The button and indicator windows share the caption "Form": the one of the
# two that holds a control with the text $1.
form_with() {
  local i
  for i in 0 1; do
    uid list --title Form --class ZornForm --win-index $i --timeout 2000
    if has "$UID_OUT" "text=\"$1\""; then
      FORM=(--title Form --class ZornForm --win-index $i)
      OTHER_FORM=(--title Form --class ZornForm --win-index $((1 - i)))
      return 0
    fi
  done
  return 1
}

port=$(free_port)
printf '[config]\r\ntype_connect=2\r\ntcp_port=%s\r\ntime_refresh=1\r\n' "$port" >config.ini
printf '[buttonForm]\r\nvisible=1\r\n[indicatorForm]\r\nvisible=1\r\n[graphForm]\r\nvisible=1\r\n' >>config.ini
# Stored places, so that the windows lie apart (they all start at 35,105).
printf '[boolForm]\r\nLeft=35\r\nTop=200\r\n[eventForm]\r\nLeft=35\r\nTop=300\r\n' >>config.ini
iconv -f UTF-8 -t CP1251 >user_settings.ini <<'EOF'
[buttonForm]
unit_1=5;4;1;0;Насос;70;0
unit_2=5;6;1;2;Держать;70;0
unit_3=6;7;40;3;Скорость;100;0
[indicatorForm]
unit_1=0;1;1;0;Авария;90;0
[mainForm]
unit_1=1;2;3;2;Счёт: ;110;0
[eventForm]
event_1=0;1;1;1;Авария есть;0;
EOF
printf 'in bool 1 follow 4\nin int 2 counter 0 1\nout bool 4\nout bool 6\nout int 7\n' >blocks.txt
plcsim_tcp "$plcsim" "$port"

ZORN_WINE_TIMEOUT=120 harness_start zorn zorn.exe
uid wait "${MAIN[@]}" --timeout 60000
check "the main window shows" rc_is 0
uid wait "${EVENTS[@]}" --timeout 5000
check "the event log window opens at start from its flag" rc_is 0
check "the button window opens at start with its button" form_with Насос
BUTTONS=("${FORM[@]}")
check "the indicator window opens at start with its indicator" form_with Авария
INDICATORS=("${FORM[@]}")

uid click "${MAIN[@]}" --ctl-text Старт
check "the controller gets the scan request as it connects" wire_has 'scan\x0a' 20
uid wait-text "${MAIN[@]}" --ctl-has "Счёт: " --has "Счёт: " --timeout 5000
check "the main list row shows its caption followed by the counter" eval 'rc_is 0 && [[ "$UID_OUT" =~ Счёт:\ [0-9]+ ]]'

# A panel holds a control of each kind, all with the record's caption and
# only the record's own kind shown; they lie in the reverse order of their
# making, so with that caption: 0 the toggle, 1 the hold, 2 the pulse button.
# (Posted input reaches hidden controls too, so the index matters.)
uid click "${BUTTONS[@]}" --ctl-text Насос --ctl-index 2
check "the pulse button sends 1;4 to the controller" wire_has '\x0d1;4\x0a' 5
# The alarm follows the pump's block: the indicator turns active and blinks
# between its caption and the value.
uid wait-text "${INDICATORS[@]}" --ctl-index 0 --ctl-class Static --equals 1 --timeout 5000
check "the indicator turns active and shows the value while blinking" rc_is 0
# A hold button sends its value while held and 0 when let go.
uid down "${BUTTONS[@]}" --ctl-text Держать --ctl-index 1
check "pressing the hold button sends 1;6" wire_has '\x0d1;6\x0a' 5
uid up "${BUTTONS[@]}" --ctl-text Держать --ctl-index 1
check "letting it go sends 0;6" wire_has '\x0d0;6\x0a' 5
# A set-value button opens its field on a double click, and the field takes
# the keys at once.
# (Keys the edit handles on key-down keep the order they were posted in; the
# characters Back makes would come after the typed ones, so the old text is
# removed with Delete after the new one is typed before it.)
uid dblclick "${BUTTONS[@]}" --ctl-text "Скорость: 40" -- key "${BUTTONS[@]}" home -- \
  type "${BUTTONS[@]}" 55 -- key "${BUTTONS[@]}" delete delete enter
check "the typed value goes to the controller" wire_has '\x0d55;7\x0a' 5
uid wait-text "${BUTTONS[@]}" --ctl-has "Скорость: " --equals "Скорость: 55"
check "and the button shows it" rc_is 0
uid screenshot buttons.bmp "${BUTTONS[@]}"
uid screenshot indicators.bmp "${INDICATORS[@]}"
uid screenshot main.bmp "${MAIN[@]}"

uid rows "${EVENTS[@]}" --ctl-class SysListView32
check "the event rule wrote its row" eval 'rc_is 0 && has "$UID_OUT" "\"Авария есть\" \"Равно 1\" \"1\" \"Только запись\""'
uid screenshot events.bmp "${EVENTS[@]}"

# "Добавить" in the log's menu opens the event editor on the first free key,
# offering the reported input blocks; its save reloads the rules.
uid click "${EVENTS[@]}" --ctl-class SysListView32 --button right -- \
  menu-pick "${EVENTS[@]}" Добавить --layout "Редактировать|Фильтр по выбранному|-|Добавить|-|Все события"
EVENT_EDITOR=(--title "Редактирование события" --class ZornForm)
uid wait "${EVENT_EDITOR[@]}"
check "Добавить opens the event editor" rc_is 0
uid screenshot event_editor.bmp "${EVENT_EDITOR[@]}"
uid click "${EVENT_EDITOR[@]}" --ctl-text Сохранить -- wait-gone "${EVENT_EDITOR[@]}"
check "its save writes the new rule under event_2" eval 'rc_is 0 && grep -q "^event_2=0;1;1;0;" user_settings.ini'
uid combo-items "${EVENTS[@]}" --ctl-class ComboBox
check "and the rule bar lists both rules" eval 'rc_is 0 && [ "$(grep -c "^item " <<<"$UID_OUT")" -eq 2 ]'

# The button's menu opens its editor; the saved caption reloads the window.
uid click "${BUTTONS[@]}" --ctl-text Насос --ctl-index 2 --button right -- \
  menu-pick "${BUTTONS[@]}" Редактировать --layout "Редактировать|Добавить кнопку|Удалить кнопку|-|Поверх окон|-|Закрыть окно"
EDITOR=(--title "Редактирование кнопки" --class ZornForm)
uid wait "${EDITOR[@]}"
check "Редактировать opens the button editor" rc_is 0
uid focus "${EDITOR[@]}" --ctl-class Edit --ctl-text Насос -- \
  key "${EDITOR[@]}" --ctl-class Edit --ctl-text Насос home -- type "${EDITOR[@]}" Помпа -- \
  key "${EDITOR[@]}" --ctl-class Edit --ctl-text ПомпаНасос delete delete delete delete delete
# A width the window would read as another number is refused, and the
# dialog says why.
uid focus "${EDITOR[@]}" --ctl-class Edit --ctl-text 70 -- \
  key "${EDITOR[@]}" --ctl-class Edit --ctl-text 70 end -- type "${EDITOR[@]}" 00000000 -- \
  click "${EDITOR[@]}" --ctl-text Сохранить -- \
  wait-text "${EDITOR[@]}" --ctl-class Static --ctl-has "0…2147483647" --has "Ширина"
check "a width beyond 32 bits is refused with its reason" rc_is 0
uid screenshot button_editor_refused.bmp "${EDITOR[@]}"
uid focus "${EDITOR[@]}" --ctl-class Edit --ctl-text 7000000000 -- \
  key "${EDITOR[@]}" --ctl-class Edit --ctl-text 7000000000 home right delete delete delete delete delete delete delete delete
uid screenshot button_editor.bmp "${EDITOR[@]}"
uid click "${EDITOR[@]}" --ctl-text Сохранить -- wait-gone "${EDITOR[@]}"
check "Сохранить writes the record and hides the editor" eval 'rc_is 0 && iconv -f CP1251 -t UTF-8 user_settings.ini | grep -Fq "unit_1=5;4;1;0;Помпа;70;0"'
check "the button window shows the new caption" form_with Помпа

# Deleting from the indicator's own menu removes the panel whose press opened it.
INDICATORS=("${OTHER_FORM[@]}")  # the window order may have changed with the editor
uid click "${INDICATORS[@]}" --ctl-class Static --button right -- \
  menu-pick "${INDICATORS[@]}" "Удалить индикатор" --layout "Редактировать|Добавить индикатор|Удалить индикатор|-|Поверх окон|-|Закрыть окно"
uid sleep 500 -- list "${INDICATORS[@]}"
check "Удалить индикатор removes the indicator and its panel" eval 'rc_is 0 && ! has "$UID_OUT" Static && ! grep -q "^unit_1=0;1" user_settings.ini'
uid windows
check "no message box came up" eval '! has "$UID_OUT" "class=\"#32770\""'

close_from_tray
check "Закрыть ends the program with 0" eval 'harness_wait_exit zorn 20 && [ "$H_RC" = 0 ]'
wait "$PLCSIM_PID"
ini=$(cat config.ini)
for section in mainForm buttonForm boolForm eventForm; do
  check "the place of [$section] is saved at exit" has "$ini" "[$section]"
done
# A section's lines of config.ini.
section() { sed -n "/^\[$1\]/,/^\[/p" config.ini | tr -d '\r'; }
check "the indicator window showed at its stored place" eval 'has "$(section boolForm)" Top=200 && has "$(section boolForm)" Width='
check "and the event log window at its own" eval 'has "$(section eventForm)" Top=300 && has "$(section eventForm)" Width='

harness_finish
