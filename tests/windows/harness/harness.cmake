# zorn_wine_ui_test(NAME SCRIPT [ARGS...]): a CTest test that runs the bash
# SCRIPT (which sources harness.sh) as
#   bash SCRIPT WINE_RUN UIDRIVER_EXE WORK_DIR ARGS...
# with WORK_DIR results/NAME in this build folder, kept after the run.
# Tests that show windows share one X display and its mouse cursor, so they
# hold the resource lock wine_display: CTest runs no two of them at once.
function(zorn_wine_ui_test name script)
  list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 runner)
  add_test(NAME ${name}
    COMMAND bash ${script} ${runner} $<TARGET_FILE:uidriver> ${CMAKE_CURRENT_BINARY_DIR}/results/${name} ${ARGN})
  set_tests_properties(${name} PROPERTIES TIMEOUT 180 RESOURCE_LOCK wine_display)
endfunction()
