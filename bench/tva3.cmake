# tva3 through procrunner beside cp (needs no Google Benchmark, only the worker harness).
gravik_program(tva3_bench SOURCES tva3_bench.cpp LINKS gravik::workerharness segygen Qt6::Core)
add_dependencies(tva3_bench tva3 procrunner)
