# Procedures run through the real procrunner beside cp, dd and cat (they need only the worker
# harness); each program is built where the plug-ins it runs are.
gravik_library(benchkit STATIC SOURCES benchkit.cpp
               LINKS gravik::workerharness gravik::segygen gravik::trcfile Qt6::Core)

function(gravik_worker_bench name)
  cmake_parse_arguments(ARG "" "" "NEEDS" ${ARGN})
  foreach(target procrunner ${ARG_NEEDS})
    if(NOT TARGET ${target})
      return()
    endif()
  endforeach()
  gravik_program(${name} SOURCES ${name}.cpp LINKS gravik::benchkit)
  target_compile_definitions(${name} PRIVATE GRAVIK_BENCH_BIN="${GRAVIK_BIN_DIR}")
  add_dependencies(${name} ${ARG_NEEDS} procrunner)
endfunction()

gravik_worker_bench(procs_bench NEEDS tva3 fek4 lum6 lum8)
gravik_worker_bench(zar9_bench NEEDS zar9)
gravik_worker_bench(qos5_bench NEEDS qos5)
gravik_worker_bench(batch_bench NEEDS tva3 batchrun)
