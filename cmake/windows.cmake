# Windows build: tarnix2.exe, and the Wine test tiers run through the emulator wrapper.
set(TARNIX_STATIC_LINK -static -static-libgcc -static-libstdc++)
target_link_libraries(tarnix_base INTERFACE comdlg32 shell32 ole32 oleaut32 uuid advapi32 gdi32
                                          user32 shlwapi msimg32 wtsapi32 uxtheme)

# Icons, bitmaps and the manifest, shared by the program and the GUI test programs.
# The resource compiler sees no dependencies of its own: every file it takes in is named here,
# so that a redrawn picture is compiled in again.
file(GLOB_RECURSE TARNIX_RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc
     ${CMAKE_SOURCE_DIR}/res/*.bmp ${CMAKE_SOURCE_DIR}/res/*.ico ${CMAKE_SOURCE_DIR}/res/*.manifest
     ${CMAKE_SOURCE_DIR}/src/*_resources.h)
# The event log's message table, compiled from res/events.mc into the build folder, where the
# resource compiler finds it.
find_program(TARNIX_WINDMC x86_64-w64-mingw32-windmc REQUIRED)
set(TARNIX_EVENTS_DIR ${CMAKE_BINARY_DIR}/events)
add_custom_command(OUTPUT ${TARNIX_EVENTS_DIR}/MSG00409.bin
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${TARNIX_EVENTS_DIR}
                   COMMAND ${TARNIX_WINDMC} -r ${TARNIX_EVENTS_DIR} -h ${TARNIX_EVENTS_DIR}
                           ${CMAKE_SOURCE_DIR}/res/events.mc
                   DEPENDS ${CMAKE_SOURCE_DIR}/res/events.mc)
add_custom_target(tarnix_events DEPENDS ${TARNIX_EVENTS_DIR}/MSG00409.bin)
add_library(tarnix_resources OBJECT ${CMAKE_SOURCE_DIR}/res/tarnix2.rc)
target_include_directories(tarnix_resources PRIVATE ${TARNIX_EVENTS_DIR})
add_dependencies(tarnix_resources tarnix_events)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/tarnix2.rc APPEND PROPERTY OBJECT_DEPENDS
             ${TARNIX_RESOURCE_FILES} ${TARNIX_EVENTS_DIR}/MSG00409.bin)

# A Windows program of ours: our warnings, linked statically, Unicode entry point.
function(tarnix_tool name)
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE ${TARNIX_WARNINGS})
  target_link_options(${name} PRIVATE ${TARNIX_STATIC_LINK} -municode)
endfunction()

tarnix_tool(tarnix2 WIN32 ${CMAKE_SOURCE_DIR}/src/app/main_win32.cpp
            $<TARGET_OBJECTS:tarnix_resources>)
target_include_directories(tarnix2 PRIVATE ${TARNIX_APP_VIEW})
target_link_libraries(tarnix2 PRIVATE tarnix_app)

# tarnix2c.exe, the report for scripts: a console program beside tarnix2.exe, from the same code.
add_library(tarnix_console_resources OBJECT ${CMAKE_SOURCE_DIR}/res/tarnix2c.rc)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/tarnix2c.rc APPEND PROPERTY OBJECT_DEPENDS
             ${CMAKE_SOURCE_DIR}/res/tarnix2c.manifest ${CMAKE_SOURCE_DIR}/res/app/tarnix2.ico)
tarnix_tool(tarnix2c ${CMAKE_SOURCE_DIR}/src/console/main_win32.cpp
            $<TARGET_OBJECTS:tarnix_console_resources>)
target_include_directories(tarnix2c PRIVATE ${TARNIX_CONSOLE_VIEW})
target_link_libraries(tarnix2c PRIVATE tarnix_console)

# A service program of the tests' own, which they register and start under Wine.
tarnix_tool(tarnix_test_service ${CMAKE_SOURCE_DIR}/tests/win32/support/test_service.cpp)
target_link_libraries(tarnix_test_service PRIVATE advapi32)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Every tests/win32/*_test.cpp and tests/e2e/*_test.cpp is one test program run under Wine.
# They share one Wine prefix, so they never run at the same time.
file(GLOB TARNIX_CONFORMANCE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/conformance/*.cpp)
file(GLOB TARNIX_WIN32_TESTS CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/win32/*_test.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
file(GLOB TARNIX_E2E_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/support/*.cpp)
# The shared suites and the drivers' support, compiled once for every test program. Linked as
# objects, not a library, so that each program keeps the suites' test registrations.
add_library(tarnix_test_support OBJECT ${TARNIX_CONFORMANCE} ${TARNIX_E2E_SUPPORT})
target_include_directories(tarnix_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tarnix_test_support PUBLIC ${TARNIX_WARNINGS})
target_compile_definitions(tarnix_test_support PUBLIC
                           TARNIX_EXE_PATH="$<TARGET_FILE:tarnix2>"
                           TARNIX_TEST_SERVICE_PATH="$<TARGET_FILE:tarnix_test_service>")
target_link_libraries(tarnix_test_support PUBLIC tarnix_app tarnix_fakes gtest)
foreach(test_source ${TARNIX_WIN32_TESTS})
  get_filename_component(test_name ${test_source} NAME_WE)
  add_executable(${test_name} ${test_source} $<TARGET_OBJECTS:tarnix_resources>)
  target_link_libraries(${test_name} PRIVATE tarnix_test_support gtest_main)
  target_link_options(${test_name} PRIVATE ${TARNIX_STATIC_LINK})
  add_dependencies(${test_name} tarnix2 tarnix_test_service)
  gtest_discover_tests(${test_name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES TIMEOUT 120 RESOURCE_LOCK wineprefix)
endforeach()

# scripts/run without an X display, through noVNC: the real script, Xvfb, x11vnc and websockify,
# ended once by the program's end and once by Ctrl+C.
foreach(ending close interrupt)
  add_test(NAME run_without_display_${ending}
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/run_without_display_test.sh ${ending})
  set_tests_properties(run_without_display_${ending} PROPERTIES TIMEOUT 420
                                                                RESOURCE_LOCK wineprefix)
endforeach()

# tarnix2c.exe in a fresh Wine prefix of its own, before and after the first launch, which the
# timings' driver answers.
add_test(NAME report_fresh_prefix
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/report_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(report_fresh_prefix PROPERTIES TIMEOUT 300)

# The start-up timings (bench/logon_check): the trivial program they are measured against and
# the driver that answers the first launch and closes the main window.
tarnix_tool(trivial_window WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/trivial_window.cpp)
target_link_libraries(trivial_window PRIVATE advapi32 user32)
tarnix_tool(trivial_progress WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/trivial_window.cpp)
target_compile_definitions(trivial_progress PRIVATE TRIVIAL_PROGRESS_BAR)
target_link_libraries(trivial_progress PRIVATE comctl32 advapi32 user32)
tarnix_tool(bench_driver ${CMAKE_SOURCE_DIR}/bench/win32/bench_driver.cpp)
target_include_directories(bench_driver PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(bench_driver PRIVATE user32)
# The snapshot write of bench/snapshot_save, on the program's own code and the Win32 store.
tarnix_tool(snapshot_save_bench ${CMAKE_SOURCE_DIR}/bench/win32/snapshot_save_bench.cpp)
target_include_directories(snapshot_save_bench PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(snapshot_save_bench PRIVATE tarnix_watchdog)
# What a program that links the same libraries and resources costs without doing anything.
tarnix_tool(empty_linked WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/empty_linked.cpp
            $<TARGET_OBJECTS:tarnix_resources>)
target_link_libraries(empty_linked PRIVATE tarnix_base)
