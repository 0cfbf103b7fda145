# plotcore drawing speed beside plain Qt drawing and saving (included from bench/CMakeLists.txt).
if(benchmark_FOUND AND TARGET plotcore)
  gravik_program(plot_update SOURCES plot_update.cpp LINKS gravik::plotcore benchmark::benchmark)
endif()
