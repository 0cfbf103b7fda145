# Writes versionbuild.h (script mode, run on every build): the file changes, and the programs
# recompile, only when the commit or the date does. SOURCE_DATE_EPOCH fixes the date.
# Inputs: IN, OUT, SOURCE_DIR, PRODUCT, VERSION.
string(TIMESTAMP BUILD_DATE "%d.%m.%Y")
execute_process(COMMAND git -C "${SOURCE_DIR}" rev-parse --short=12 HEAD
                OUTPUT_VARIABLE COMMIT OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE git_result ERROR_QUIET)
if(NOT git_result EQUAL 0 OR COMMIT STREQUAL "")
  set(COMMIT "unknown")
endif()
configure_file("${IN}" "${OUT}" @ONLY)
