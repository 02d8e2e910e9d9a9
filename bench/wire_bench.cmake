# Frame reader throughput and LM52R answer handling (Google Benchmark).
if(benchmark_FOUND)
  add_executable(wire_bench ${CMAKE_CURRENT_LIST_DIR}/wire_bench.cpp)
  target_include_directories(wire_bench PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(wire_bench PRIVATE rb_families rb_sim benchmark::benchmark)
else()
  message(STATUS "Google Benchmark not found: wire_bench is not built")
endif()
