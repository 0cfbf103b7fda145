# trcfile reading speed beside cp and segyio's C API (when libsegyio-dev is installed).
gravik_program(trcfile_read SOURCES trcfile_read.cpp LINKS gravik::trcfile)
find_path(SEGYIO_INCLUDE_DIR segyio/segy.h)
find_library(SEGYIO_LIBRARY segyio)
if(SEGYIO_INCLUDE_DIR AND SEGYIO_LIBRARY)
  target_include_directories(trcfile_read PRIVATE ${SEGYIO_INCLUDE_DIR})
  target_link_libraries(trcfile_read PRIVATE ${SEGYIO_LIBRARY})
  target_compile_definitions(trcfile_read PRIVATE GRAVIK_HAVE_SEGYIO)
endif()
