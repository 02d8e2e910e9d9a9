# The unit-record store at the size of years of production: 2,000,000 records for 100,000
# units, through the real radiobench-cli and the records window.
if(RB_WITH_QT AND TARGET radiobench_cli AND TARGET rb_gui)
  find_package(SQLite3 REQUIRED)
  add_executable(units_scale_bench ${CMAKE_CURRENT_LIST_DIR}/units_scale_bench.cpp)
  target_include_directories(units_scale_bench PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(units_scale_bench PRIVATE rb_gui rb_units SQLite::SQLite3)
  target_compile_definitions(units_scale_bench
                             PRIVATE RB_CLI_PATH="$<TARGET_FILE:radiobench_cli>")
  add_dependencies(units_scale_bench radiobench_cli)
endif()
