# fek4, lum6 and lum8 through procrunner beside cp (needs only the worker harness).
gravik_program(hdrprocs_bench SOURCES hdrprocs_bench.cpp
               LINKS gravik::workerharness gravik::segygen Qt6::Core)
add_dependencies(hdrprocs_bench fek4 lum6 lum8 procrunner)
