# One static library per layer, bottom up: base -> platform -> ui -> sources -> the subsystems
# -> app (and console, the report program's), and the test doubles (fakes) beside them, which
# tarnix2.exe and tarnix2c.exe never link.
#
# Each library compiles against an include root of its own that holds only the folders it may
# use (links into src/), so an include that points up or across the layers does not compile.

# *_win32.cpp and src/ui/win32 only in the Windows build, *_posix.cpp only in the native one.
function(tarnix_layer_sources out_var folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/src/(app|console)/main_win32\\.cpp$")
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
    list(FILTER sources EXCLUDE REGEX "/src/ui/win32/")
  endif()
  set(${out_var} ${sources} PARENT_SCOPE)
endfunction()

# The include root that shows a layer only `folders`. Where the platform cannot make links,
# the whole source tree is used and the check is left to the builds that can.
function(tarnix_include_view out_var name)
  set(view ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view})
  foreach(folder ${ARGN})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${view}/${folder} RESULT failed SYMBOLIC)
    if(failed)
      set(${out_var} ${CMAKE_SOURCE_DIR}/src PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out_var} ${view} PARENT_SCOPE)
endfunction()

# tarnix_layer(NAME FOLDER folder SEES folders... LINKS libraries...)
function(tarnix_layer name)
  cmake_parse_arguments(LAYER "" "FOLDER" "SEES;LINKS" ${ARGN})
  tarnix_layer_sources(sources ${LAYER_FOLDER})
  tarnix_include_view(view ${name} ${LAYER_FOLDER} ${LAYER_SEES})
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PRIVATE ${view})
    target_compile_options(${name} PRIVATE ${TARNIX_WARNINGS})
    target_link_libraries(${name} PUBLIC ${LAYER_LINKS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${LAYER_LINKS})
  endif()
  set_property(GLOBAL APPEND PROPERTY TARNIX_LAYER_VIEWS "${name}=${view}")
endfunction()

set(TARNIX_BELOW_SUBSYSTEMS base platform ui sources)
tarnix_layer(tarnix_base FOLDER base)
tarnix_layer(tarnix_platform FOLDER platform SEES base LINKS tarnix_base)
tarnix_layer(tarnix_ui FOLDER ui SEES base LINKS tarnix_base)
tarnix_layer(tarnix_sources FOLDER sources SEES base platform ui
             LINKS tarnix_ui tarnix_platform)
set(TARNIX_SUBSYSTEMS watchdog runlists startupfolders services setup)
foreach(subsystem ${TARNIX_SUBSYSTEMS})
  tarnix_layer(tarnix_${subsystem} FOLDER ${subsystem} SEES ${TARNIX_BELOW_SUBSYSTEMS}
               LINKS tarnix_sources)
endforeach()
list(TRANSFORM TARNIX_SUBSYSTEMS PREPEND tarnix_ OUTPUT_VARIABLE TARNIX_SUBSYSTEM_LIBS)
tarnix_layer(tarnix_app FOLDER app SEES ${TARNIX_BELOW_SUBSYSTEMS} ${TARNIX_SUBSYSTEMS}
             LINKS ${TARNIX_SUBSYSTEM_LIBS})
# tarnix2c.exe, the report for scripts: a program of its own at the app level, beside tarnix2.exe.
# It sees the watchdog and what lies below it, but not the toolkit: it makes no window.
tarnix_layer(tarnix_console FOLDER console SEES base platform sources watchdog
             LINKS tarnix_watchdog)
tarnix_layer(tarnix_fakes FOLDER fakes SEES base platform ui LINKS tarnix_ui tarnix_platform)

# The include root a program's entry point compiles against: its layer's own.
function(tarnix_layer_view out_var name)
  get_property(views GLOBAL PROPERTY TARNIX_LAYER_VIEWS)
  list(FILTER views INCLUDE REGEX "^${name}=")
  list(TRANSFORM views REPLACE "^${name}=" "")
  set(${out_var} ${views} PARENT_SCOPE)
endfunction()
tarnix_layer_view(TARNIX_APP_VIEW tarnix_app)
tarnix_layer_view(TARNIX_CONSOLE_VIEW tarnix_console)
