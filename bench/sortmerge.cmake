# zar9 and qos5 through procrunner beside cp and cat (need only the worker harness).
gravik_program(zar9_bench SOURCES zar9_bench.cpp LINKS gravik::workerharness segygen Qt6::Core)
add_dependencies(zar9_bench zar9 procrunner)
gravik_program(qos5_bench SOURCES qos5_bench.cpp LINKS gravik::workerharness segygen Qt6::Core)
add_dependencies(qos5_bench qos5 procrunner)
