# Native build: unit tests against the in-memory store and the headless toolkit, benchmarks.
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

file(GLOB TARNIX_UNIT_TESTS CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp ${CMAKE_SOURCE_DIR}/tests/conformance/*.cpp)
if(TARNIX_UNIT_TESTS)
  add_executable(unit_tests ${TARNIX_UNIT_TESTS})
  target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(unit_tests PRIVATE ${TARNIX_WARNINGS})
  target_link_libraries(unit_tests PRIVATE tarnix_app tarnix_console tarnix_fakes GTest::gtest_main
                                         Threads::Threads)
  gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)
endif()

find_package(benchmark QUIET)
file(GLOB TARNIX_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND TARNIX_BENCHES)
  add_executable(benchmarks ${TARNIX_BENCHES})
  target_include_directories(benchmarks PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(benchmarks PRIVATE ${TARNIX_WARNINGS})
  target_link_libraries(benchmarks PRIVATE tarnix_app tarnix_fakes benchmark::benchmark_main)
endif()
