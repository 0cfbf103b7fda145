# One function per kind of target; every target gets the project's warning flags.

# The installed application folder (programs, help/, kinfo.hdr ...), below the install prefix.
set(GRAVIK_INSTALL_APP_DIR bin)

function(gravik_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# gravik_library(NAME [SHARED|STATIC] SOURCES ... LINKS ...)
# Public headers live beside the sources; the folder above the module is the include root,
# so code includes "corebase/bcstringlist.h", "trcfile/segyreader.h" and so on.
function(gravik_library name)
  cmake_parse_arguments(ARG "SHARED;STATIC" "" "SOURCES;LINKS" ${ARGN})
  set(kind STATIC)
  if(ARG_SHARED)
    set(kind SHARED)
  endif()
  add_library(${name} ${kind} ${ARG_SOURCES})
  add_library(gravik::${name} ALIAS ${name})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  gravik_warnings(${name})
  if(ARG_SHARED)
    install(TARGETS ${name} LIBRARY DESTINATION ${GRAVIK_INSTALL_APP_DIR}/lib)
  endif()
endfunction()

# gravik_program(NAME [INSTALL] SOURCES ... LINKS ...): lands in bin/; INSTALL also puts it into
# the installed application folder (benchmarks stay in the build).
function(gravik_program name)
  cmake_parse_arguments(ARG "INSTALL" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  gravik_warnings(${name})
  if(ARG_INSTALL)
    install(TARGETS ${name} RUNTIME DESTINATION ${GRAVIK_INSTALL_APP_DIR})
  endif()
endfunction()

# gravik_test(NAME LABEL unit|gui|integration|interop SOURCES ... LINKS ...)
# Every test runs with GRAVIK_HOME set to a fresh folder of its own, and knows the bin folder.
function(gravik_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE GRAVIK_BIN_DIR="${GRAVIK_BIN_DIR}"
                                             GRAVIK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gravik_warnings(${name})
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E env --unset=GRAVIK_HOME
           ${PROJECT_SOURCE_DIR}/scripts/with-home $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABEL}"
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# gravik_plugin(CODE SOURCES ... LINKS ... DESCRIPTION file.dsc)
# Builds bin/ProcLib/<code>.so (no "lib" prefix, so QLibrary finds "<app>/ProcLib/<code>")
# and copies the description into bin/procedures/.
function(gravik_plugin code)
  cmake_parse_arguments(ARG "" "DESCRIPTION" "SOURCES;LINKS" ${ARGN})
  add_library(${code} MODULE ${ARG_SOURCES})
  set_target_properties(${code} PROPERTIES PREFIX "" SUFFIX ".so"
                        LIBRARY_OUTPUT_DIRECTORY ${GRAVIK_BIN_DIR}/ProcLib
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${code} PRIVATE gravik::proccommon ${ARG_LINKS})
  # Only the two entries leave the plug-in: the static libraries inside stay private.
  target_link_options(${code} PRIVATE
                      -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/plugin-exports.map)
  set_target_properties(${code} PROPERTIES LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/plugin-exports.map)
  gravik_warnings(${code})
  install(TARGETS ${code} LIBRARY DESTINATION ${GRAVIK_INSTALL_APP_DIR}/ProcLib)
  if(ARG_DESCRIPTION)
    configure_file(${ARG_DESCRIPTION} ${GRAVIK_BIN_DIR}/procedures/${ARG_DESCRIPTION} COPYONLY)
    install(FILES ${ARG_DESCRIPTION} DESTINATION ${GRAVIK_INSTALL_APP_DIR}/procedures)
  endif()
  if(BUILD_TESTING)
    add_test(NAME ${code}_exports
             COMMAND ${CMAKE_COMMAND} -DPLUGIN=$<TARGET_FILE:${code}> -DCODE=${code}
                     -P ${PROJECT_SOURCE_DIR}/cmake/check-plugin-exports.cmake)
    set_tests_properties(${code}_exports PROPERTIES LABELS unit)
  endif()
endfunction()

# gravik_add_help(TARGET FILES...): help pages (help/<topic>.html, index.html and what they show)
# are copied into bin/help/ when TARGET is built and installed into the application folder's help/.
function(gravik_add_help target)
  foreach(page ${ARGN})
    get_filename_component(source ${page} ABSOLUTE)
    get_filename_component(name ${page} NAME)
    set(copy ${GRAVIK_BIN_DIR}/help/${name})
    add_custom_command(OUTPUT ${copy}
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${copy}
                       DEPENDS ${source} VERBATIM)
    target_sources(${target} PRIVATE ${copy})
    install(FILES ${source} DESTINATION ${GRAVIK_INSTALL_APP_DIR}/help)
  endforeach()
endfunction()
