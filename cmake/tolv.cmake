# Helpers shared by the folder CMakeLists.
#
# Subsystem libraries call each other both ways (the shell's main loop runs the world's frame, the
# world's procedures draw through render...). Each folder names the libraries it needs with
# tolv_library(); the links are made at the end, once every folder has been read, and only to the
# libraries that exist, so a folder can be added without touching the others.

set_property(GLOBAL PROPERTY TOLV_LIBS "")

# tolv_library(<name> [DEPS lib...] [SYSTEM lib...]): a static library of every .cpp in the folder
# except main.cpp.
function(tolv_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;SYSTEM" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  if(NOT srcs)
    return()  # a folder whose first source has not landed yet
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(ARG_SYSTEM)
    target_link_libraries(${name} PUBLIC ${ARG_SYSTEM})
  endif()
  set_property(TARGET ${name} PROPERTY TOLV_DEPS "${ARG_DEPS}")
  set_property(GLOBAL APPEND PROPERTY TOLV_LIBS ${name})
endfunction()

# tolv_link_game(<target>): link every subsystem library (the game and the all-in tools).
function(tolv_link_game target)
  set_property(GLOBAL APPEND PROPERTY TOLV_GAME_TARGETS ${target})
endfunction()

# tolv_test(<name> LIBS lib... [SOURCES ...]): one GoogleTest executable of every .cpp in the
# current folder (or the given sources), registered test by test with CTest.
function(tolv_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "LIBS;SOURCES" ${ARGN})
  if(ARG_SOURCES)
    set(srcs ${ARG_SOURCES})
  else()
    file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  # Tests write their files in a scratch folder of the build tree, never in the source tree.
  set(wd ${CMAKE_BINARY_DIR}/testwd/${name})
  file(MAKE_DIRECTORY ${wd})
  gtest_discover_tests(${name} WORKING_DIRECTORY ${wd} DISCOVERY_MODE PRE_TEST
                       PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

# tolv_cp1251_sources(file... [WRITABLE_STRINGS]): sources that include a generated header holding
# Windows-1251 literals; WRITABLE_STRINGS where the generated template keeps them in char*.
function(tolv_cp1251_sources)
  cmake_parse_arguments(ARG "WRITABLE_STRINGS" "" "" ${ARGN})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set(opts -finput-charset=CP1251)
    if(ARG_WRITABLE_STRINGS)
      list(APPEND opts -Wno-write-strings)
    endif()
  else()
    set(opts -Wno-invalid-source-encoding)
    if(ARG_WRITABLE_STRINGS)
      list(APPEND opts -Wno-writable-strings)
    endif()
  endif()
  set_source_files_properties(${ARG_UNPARSED_ARGUMENTS} PROPERTIES COMPILE_OPTIONS "${opts}")
endfunction()

function(tolv_resolve_deps)
  get_property(libs GLOBAL PROPERTY TOLV_LIBS)
  foreach(lib ${libs})
    get_property(deps TARGET ${lib} PROPERTY TOLV_DEPS)
    foreach(dep ${deps})
      if(TARGET ${dep})
        target_link_libraries(${lib} PUBLIC ${dep})
      endif()
    endforeach()
  endforeach()
  get_property(games GLOBAL PROPERTY TOLV_GAME_TARGETS)
  foreach(game ${games})
    target_link_libraries(${game} PRIVATE ${libs})
    target_include_directories(${game} PRIVATE ${CMAKE_SOURCE_DIR})
  endforeach()
endfunction()
