# Cold start of the desktop program to its first window, and its peak memory: runs the real
# radiobench program with --startup-report.
if(RB_WITH_QT AND TARGET radiobench)
  add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
  target_compile_definitions(startup_bench PRIVATE RB_RADIOBENCH_PATH="$<TARGET_FILE:radiobench>")
  add_dependencies(startup_bench radiobench)
endif()
