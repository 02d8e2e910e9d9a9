# Cold start of the desktop program to its first window, and its peak memory.
if(RB_WITH_QT AND TARGET rb_gui)
  add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
  target_link_libraries(startup_bench PRIVATE rb_gui)
endif()
