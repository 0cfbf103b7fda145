# cmake -DPLUGIN=<file.so> -DCODE=<code> -P check-plugin-exports.cmake
# Fails unless the dynamic symbols the plug-in defines are exactly _CheckJob_<code> and
# _Execute_<code>, the names the batch editor and procrunner look up.
# cmake -DPLUGIN=<file.so> "-DEXPECTED=<symbol>;..." -P check-plugin-exports.cmake checks another
# shared library against its own list of (mangled) names.
execute_process(COMMAND nm -D --defined-only ${PLUGIN} OUTPUT_VARIABLE listing
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${PLUGIN}: ${err}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(names "")
foreach(line ${lines})
  string(REGEX REPLACE "^.* " "" name "${line}")
  list(APPEND names ${name})
endforeach()
list(SORT names)
if(DEFINED EXPECTED)
  set(expected ${EXPECTED})
  list(SORT expected)
else()
  set(expected _CheckJob_${CODE} _Execute_${CODE})
endif()
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "${PLUGIN} exports [${names}], expected [${expected}]")
endif()
