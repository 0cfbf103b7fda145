# The same batch through batchrun with 1 and 2 workers beside procrunner one file after another.
gravik_program(batch_bench SOURCES batch_bench.cpp LINKS gravik::workerharness segygen Qt6::Core)
target_compile_definitions(batch_bench PRIVATE GRAVIK_BENCH_BIN="${GRAVIK_BIN_DIR}")
add_dependencies(batch_bench batchrun tva3 procrunner)
