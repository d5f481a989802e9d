#!/usr/bin/env bash
# uidriver against uidriver_target.exe, both under Wine in the same prefix
# and on the same X display: every command acts on zorn's real Win32
# widgets and what the target logs (or uidriver reads back) is checked.
#   uidriver_wine.sh WINE_RUN UIDRIVER_EXE WORK_DIR TARGET_EXE
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness/harness.sh"
harness_init "$1" "$2" "$3"
target_exe=$4

T="Мишень uidriver"
# The class too: a tray tip with the same text is a window of that caption.
W=(--title "$T" --class ZornForm)
LOG=target.log
MENU="Открыть окно|-|Отключённый пункт|Отмеченный пункт"

line_of() { grep -F -- "$2" <<<"$1" | head -n 1; }
since_is() { [ "$(log_since $LOG)" = "$1" ]; }

ZORN_WINE_TIMEOUT=90 harness_start target "$target_exe" "$LOG"

# Finding the window: waiting until it shows, then its controls.
uid wait "${W[@]}" --timeout 60000
check "wait finds the target's window by its Cyrillic caption" \
  eval 'rc_is 0 && has "$UID_OUT" "class=\"ZornForm\" title=\"$T\"" && has "$UID_OUT" "visible=1"'
check "the target logged that it is ready" log_wait $LOG '^ready$' 10
uid windows --class ZornForm
check "windows lists it by class" has "$UID_OUT" "title=\"$T\""

uid list "${W[@]}"
start=$(line_of "$UID_OUT" 'text="Пуск"')
check "list: the gradient button with class, place, states" \
  eval 'has "$start" "class=\"Button\"" && has "$start" "rect=10,36,100,28" && has "$start" "visible=1 enabled=1" && has "$start" "checked=0"'
check "list: the disabled button is enabled=0" has "$(line_of "$UID_OUT" 'text="Отключена"')" "enabled=0"
check "list: edit text, combo box items and choice, list-view rows" \
  eval 'has "$(line_of "$UID_OUT" "class=\"Edit\"")" "text=\"начало\"" &&
        has "$(line_of "$UID_OUT" "class=\"ComboBox\"")" "text=\"Красный\"" &&
        has "$(line_of "$UID_OUT" "class=\"ComboBox\"")" "items=3 selected=0" &&
        has "$(line_of "$UID_OUT" "class=\"SysListView32\"")" "items=3 selected=-1"'
check "list: the list view's header is one level deeper" \
  has "$(line_of "$UID_OUT" 'class="SysHeader32"')" "control depth=2"
uid list "${W[@]}" --ctl-text Пуск
first=$(head -n 1 <<<"$UID_OUT")
check "list on a control starts with that control" eval 'has "$first" "control depth=0" && has "$first" "text=\"Пуск\""'

# Mouse buttons on the gradient button.
log_mark $LOG
uid click "${W[@]}" --ctl-text Пуск
check "click: down, up and click, in that order" \
  eval 'log_wait $LOG "^click left Пуск$" && since_is "down left Пуск
up left Пуск
click left Пуск"'
log_mark $LOG
uid click "${W[@]}" --ctl-text Пуск --button right
check "click --button right" eval 'log_wait $LOG "^click right Пуск$" && since_is "down right Пуск
up right Пуск
click right Пуск"'
log_mark $LOG
uid dblclick "${W[@]}" --ctl-text Пуск
check "dblclick: the second press comes as a double click, a press all the same" \
  eval 'log_wait $LOG "^dblclick left Пуск$" && log_wait $LOG "^up left Пуск$" && sleep 0.3 && since_is "down left Пуск
up left Пуск
click left Пуск
down left Пуск
dblclick left Пуск
up left Пуск
click left Пуск"'
log_mark $LOG
uid down "${W[@]}" --ctl-text Пуск --at 5,5
check "down alone presses without releasing" eval 'log_wait $LOG "^down left Пуск$" && sleep 0.3 && since_is "down left Пуск"'
uid up "${W[@]}" --ctl-text Пуск --at 5,5
check "up releases: the click follows" eval 'log_wait $LOG "^click left Пуск$"'

# Real input reaches the button through the system, unless another
# program's window (a test running beside this one) covers it.
log_mark $LOG
uid click --real-input "${W[@]}" --ctl-text Пуск
check "click --real-input arrives, or uidriver says what covers the button" \
  eval '(rc_is 0 && log_wait $LOG "^click left Пуск$") || (rc_is 3 && has "$UID_ERR" "covers the point")'

log_mark $LOG
uid click "${W[@]}" --ctl-text Флажок
check "a click on the check box checks it" eval 'log_wait $LOG "^check 1$"'
uid list "${W[@]}" --ctl-text Флажок
check "list reads checked=1 back" has "$UID_OUT" "checked=1"
uid wait-text "${W[@]}" --ctl-class Static --equals "check 1"
check "wait-text sees the label change" eval 'rc_is 0 && [ "$UID_OUT" = "check 1" ]'

# Keyboard: focus, keys, typed Cyrillic text.
log_mark $LOG
uid focus "${W[@]}" --ctl-class Edit
check "focus gives the edit the keyboard focus" eval 'rc_is 0 && log_wait $LOG "^edit focus$"'
uid list "${W[@]}" --ctl-class Edit
check "list marks the focused control" has "$UID_OUT" "focused=1"
log_mark $LOG
uid key "${W[@]}" end -- type "${W[@]}" " мир!"
check "key end, then typed text goes to the focused edit" \
  eval 'log_wait $LOG "^edit text=начало мир!$" && log_since $LOG | grep -q "^edit keydown 35$"'
uid key "${W[@]}" --ctl-class Edit back
check "back deletes a character (the program's TranslateMessage makes the WM_CHAR)" \
  eval 'log_wait $LOG "^edit text=начало мир$"'
uid text "${W[@]}" --ctl-class Edit
check "text reads the edit back" eval '[ "$UID_OUT" = "начало мир" ]'
log_mark $LOG
uid key "${W[@]}" --ctl-class Edit home delete
check "delete arrives as a key down and removes the first letter" \
  eval 'log_wait $LOG "^edit text=ачало мир$" && log_since $LOG | grep -q "^edit keydown 46$"'

# Combo box.
uid combo-items "${W[@]}" --ctl-class ComboBox
check "combo-items reads the three items across processes" eval '[ "$UID_OUT" = "item index=0 text=\"Красный\" selected=1
item index=1 text=\"Зелёный\" selected=0
item index=2 text=\"Синий\" selected=0" ]'
log_mark $LOG
uid combo-pick "${W[@]}" --ctl-class ComboBox Синий
check "combo-pick by text: the program hears the choice" \
  eval 'rc_is 0 && log_wait $LOG "^combo select 2 Синий$"'
uid combo-pick "${W[@]}" --ctl-class ComboBox --index 1 -- list "${W[@]}" --ctl-class ComboBox
check "combo-pick by index; the combo box shows it" \
  eval 'log_wait $LOG "^combo select 1 Зелёный$" && has "$UID_OUT" "text=\"Зелёный\"" && has "$UID_OUT" "selected=1"'
uid combo-pick "${W[@]}" --ctl-class ComboBox Жёлтый
check "combo-pick of a missing item exits 1 and names it" eval 'rc_is 1 && has "$UID_ERR" "no item \"Жёлтый\""'

# List view.
uid rows "${W[@]}" --ctl-class SysListView32
check "rows: column captions and every cell, quotes escaped" eval '[ "$UID_OUT" = "columns \"Время\" \"Событие\" \"Источник\"
row index=0 selected=0 focused=0 \"12:00:01\" \"Связь установлена\" \"ПЛК 1\"
row index=1 selected=0 focused=0 \"12:00:05\" \"Авария насоса\" \"ПЛК 2\"
row index=2 selected=0 focused=0 \"12:00:09\" \"Насос \\\"Н-2\\\" пущен\" \"ПЛК 2\"" ]'
uid click "${W[@]}" --ctl-class SysListView32 --row 1 -- rows "${W[@]}" --ctl-class SysListView32
check "click --row selects that row" has "$UID_OUT" "row index=1 selected=1"
log_mark $LOG
uid click "${W[@]}" --ctl-class SysHeader32 --at 150,8
check "a click on the second column's header reaches the program" eval 'log_wait $LOG "^table column 1$"'

# The flat owner-drawn popup menu: opened by a right click on the form.
open_menu() {
  log_mark $LOG
  uid click "${W[@]}" --button right --at 500,360 -- menu-wait "${W[@]}"
}
open_menu
check "a right click on the form opens its menu; menu-wait finds it" \
  eval 'rc_is 0 && has "$UID_OUT" "menu hwnd=" && log_wait $LOG "^up right form$"'
uid menu-items
check "menu-items reads the items, or says why it cannot (Wine)" \
  eval '(rc_is 0 && has "$UID_OUT" "item index=1 text=\"\" separator=1") ||
        (rc_is 3 && has "$UID_ERR" "cannot be read")'
uid menu-pick "${W[@]}" "Отмеченный пункт" --layout "$MENU"
check "menu-pick by text passes over the separator, not the disabled item" \
  eval 'rc_is 0 && log_wait $LOG "^menu pick 3$"'
# The keyboard stops on the disabled item; Enter there closes Wine's menu
# with no choice (Windows would keep it open). Had uidriver passed over
# the disabled item too, item 3 would be picked.
open_menu
uid menu-pick --index 2 --layout "$MENU" --timeout 1500
check "picking the disabled item: the program hears no pick" \
  eval '(rc_is 0 || (rc_is 3 && has "$UID_ERR" "stayed open")) && sleep 0.3 && ! log_since $LOG | grep -q "^menu pick"'
uid menu-close --timeout 300
open_menu
uid menu-close -- menu-pick --index 0 --layout "$MENU" --timeout 500
check "menu-close closes the menu and reports nothing to the program" \
  eval 'rc_is 1 && has "$UID_ERR" "no popup menu" && ! log_since $LOG | grep -q "^menu pick"'
open_menu
uid menu-pick --index 0 --layout "$MENU"
check "menu-pick by index" eval 'log_wait $LOG "^menu pick 0$"'
uid menu-pick Закрыть --layout "$MENU" --timeout 300
check "menu-pick with no menu open exits 1" eval 'rc_is 1 && has "$UID_ERR" "no popup menu opened within 300 ms"'

# The tray icon in Wine's own tray window.
uid tray-wait --tip "$T"
check "tray-wait finds the icon by its tip" eval 'rc_is 0 && has "$UID_OUT" "tip=\"$T\""'
log_mark $LOG
uid tray-click --tip "$T"
check "tray-click: the program gets the icon's down and up" \
  eval 'log_wait $LOG "^tray up left$" && since_is "tray down left
tray up left"'
log_mark $LOG
uid tray-click --tip "$T" --double
check "tray-click --double: a double click" eval 'log_wait $LOG "^tray dblclick left$"'
log_mark $LOG
uid tray-click --tip "$T" --button right -- menu-pick "${W[@]}" "Открыть окно" --layout "$MENU"
check "a right click on the icon opens the menu, which is picked" \
  eval 'rc_is 0 && log_wait $LOG "^tray up right$" && log_wait $LOG "^menu pick 0$"'
uid tray-click --tip "Нет такого значка" --timeout 300
check "tray-click on a missing icon exits 1" eval 'rc_is 1 && has "$UID_ERR" "no tray icon with tip"'

# Screenshots of the window and of the screen.
bmp_size() { od -An -t d4 -j 18 -N 8 "$1" | awk '{print $1 "x" $2}'; }
colours() { od -An -v -t x1 -j 54 "$1" | tr -s ' ' '\n' | sort -u | wc -l; }
size_of() { sed -E 's/.* (screen|rect)=[-0-9]+,[-0-9]+,([0-9]+),([0-9]+).*/\2x\3/' <<<"$1"; }
uid wait "${W[@]}"
window_size=$(size_of "$UID_OUT")
uid screenshot target.bmp "${W[@]}" -- screenshot screen.bmp
check "screenshot of the window: a BMP of the window's size, not one colour" \
  eval '[ -f target.bmp ] && [ "$(bmp_size target.bmp)" = "$window_size" ] && [ "$(colours target.bmp)" -gt 8 ]'
check "screenshot of the whole screen" \
  eval '[ "$(bmp_size screen.bmp)" = "$(size_of "$(tail -n 1 <<<"$UID_OUT")")" ] && [ "$(colours screen.bmp)" -gt 8 ]'

# Errors: clear messages and exit codes.
uid wait --title "Нет такого окна" --timeout 300
check "a window that never appears: exit 1 and its caption in the message" \
  eval 'rc_is 1 && has "$UID_ERR" "no visible window title \"Нет такого окна\" appeared within 300 ms"'
uid click "${W[@]}" --ctl-text Нет --timeout 300
check "a missing control: exit 1" eval 'rc_is 1 && has "$UID_ERR" "no control text \"Нет\""'
uid click "${W[@]}" --ctl-class Button --timeout 300
check "an ambiguous control: exit 1, asks for --ctl-index" eval 'rc_is 1 && has "$UID_ERR" "--ctl-index"'
uid frobnicate
check "an unknown command: exit 2" eval 'rc_is 2 && has "$UID_ERR" "unknown command \"frobnicate\""'
uid click "${W[@]}" --ctl-text Пуск --buton left
check "a misspelt option: exit 2" eval 'rc_is 2 && has "$UID_ERR" "unknown option --buton"'

# A script file in UTF-8: the commands need no shell quoting.
cat >script.txt <<SCRIPT
# one command a line
text --title "$T" --class ZornForm --ctl-class Edit
  click --title "$T" --class ZornForm --ctl-text "Флажок"

list --class ZornForm --title "$T" --ctl-text "Флажок"
SCRIPT
log_mark $LOG
uid -f script.txt
check "a script runs its commands in order" \
  eval 'rc_is 0 && has "$UID_OUT" "ачало мир" && has "$UID_OUT" "checked=0" && log_wait $LOG "^check 0$"'

# Closing: WM_CLOSE, the program ends with 0 and its icon goes.
uid close "${W[@]}" -- wait-gone "${W[@]}"
check "close: the window goes" eval 'rc_is 0 && log_wait $LOG "^close$"'
check "the target ends with exit code 0" eval 'harness_wait_exit target 20 && [ "$H_RC" -eq 0 ]'
uid tray-gone --tip "$T"
check "its tray icon is gone" rc_is 0

harness_finish
