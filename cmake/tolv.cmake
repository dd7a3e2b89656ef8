# Helpers shared by the folder CMakeLists.
#
# The game is nine static libraries in layers, lowest first (tolv_layers() below makes them). Each
# folder of sources belongs to one library, which its CMakeLists names (tolv_folder):
#   tolv_platform  platform/: our Linux layer (window, GL context, input, boxes); knows no game
#   tolv_base      shell/: text, files, binary primitives, maths, log, clocks, key commands,
#                  settings, message base, dialogs
#   tolv_gm        gm/: named variables and the generated headers
#   tolv_figures   figures/: the figure model, stage files, the generated figure functions, and the
#                  records several layers share (land floors, sides, program-mode words)
#   tolv_render    render/: the renderer, and the key-command block (it prints with the fonts)
#   tolv_world     world/ and catalogue/: the simulation and the catalogue
#   tolv_gui       gui/: the widget toolkit: the widget record and tree, list rows, buttons and
#                  hints, value input, text boxes; it sits on the renderer and knows no world
#   tolv_ui        ui/: the screens, their callbacks and texts, the HUD panels, the value panels of
#                  the named variables, the program-mode switch, the editor's palette
#   tolv_app       app/: start-up, main loop, window procedure, the mode frames and the field
#                  mouse, which tie every layer together
# A library links the layers below that it uses, never one above. Each library sees only the
# include roots of itself and of what it links: build/inc/<library>/<folder>/<name>.h are links to
# the headers it owns, and the source root is not on its include path, so a wrong-way include does
# not compile (tests/layers proves it). A function belongs in the lowest layer that holds
# everything it calls; records two layers need live below both; a layer that needs work of one
# above it asks for it with a request word that the higher layer carries out (ProgModeReq,
# CodeWinMsgReq, RangPanelReq; docs/guide.md lists them, beside the words by which a layer only puts
# work off to a fixed point of the frame, as the interface's stage buttons do). Tests and tools keep
# the source root; a test links only the library it tests.
#
# The one upward link: the generated switches of gm/fa_proc.h (compiled in tolv_figures) call
# procedures, presets and combinations that tolv_world defines. Tests of the world and below that
# make figures link tolv_world_group, the six libraries up to the world as one link group; programs
# and tests of the layers above link tolv_game, all nine as one group. Name the group before any
# other library of a target: a layer reached first outside the group loses its system libraries
# (X11, EGL) from the link line.

set(TOLV_INC ${CMAKE_BINARY_DIR}/inc)
set(TOLV_WORLD_LIBS tolv_platform tolv_base tolv_gm tolv_figures tolv_render tolv_world)
set(TOLV_GAME_LIBS ${TOLV_WORLD_LIBS} tolv_gui tolv_ui tolv_app)

# tolv_layer(<name> [DEPS lib...] [SYSTEM lib...]): a static library whose files the folders assign
# with tolv_folder(), and its include root.
function(tolv_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS;SYSTEM" ${ARGN})
  add_library(${name} STATIC)
  file(MAKE_DIRECTORY ${TOLV_INC}/${name})
  target_include_directories(${name} PUBLIC ${TOLV_INC}/${name})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_SYSTEM})
endfunction()

# The game's layers, made before any folder is read, so that the folders may come in any order.
function(tolv_layers)
  file(REMOVE_RECURSE ${TOLV_INC})  # links of headers that moved or went
  find_package(X11 REQUIRED)
  find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX EGL)
  tolv_layer(tolv_platform SYSTEM X11::X11 OpenGL::GL OpenGL::GLX OpenGL::EGL ${CMAKE_DL_LIBS})
  tolv_layer(tolv_base DEPS tolv_platform SYSTEM OpenGL::GLU)  # the projection of geometry
  tolv_layer(tolv_gm DEPS tolv_base)
  tolv_layer(tolv_figures DEPS tolv_gm tolv_base)
  tolv_layer(tolv_render DEPS tolv_figures tolv_gm tolv_base tolv_platform SYSTEM OpenGL::GL OpenGL::GLU)
  tolv_layer(tolv_world DEPS tolv_render tolv_figures tolv_gm tolv_base)
  tolv_layer(tolv_gui DEPS tolv_render tolv_figures tolv_gm tolv_base tolv_platform)
  tolv_layer(tolv_ui DEPS tolv_gui tolv_world tolv_render tolv_figures tolv_gm tolv_base tolv_platform)
  tolv_layer(tolv_app DEPS tolv_ui tolv_gui tolv_world tolv_render tolv_figures tolv_gm tolv_base
             tolv_platform)
  tolv_link_group(tolv_world_group ${TOLV_WORLD_LIBS})
  tolv_link_group(tolv_game ${TOLV_GAME_LIBS})
endfunction()

# tolv_link_group(<name> <library>...): the libraries linked as one group, which may name each
# other's symbols both ways.
function(tolv_link_group name)
  list(JOIN ARGN "," libs)
  add_library(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE "$<LINK_GROUP:RESCAN,${libs}>")
endfunction()

# tolv_folder(<library>): gives every .cpp and .h file of the current folder to the library, a
# header as <folder>/<name>.h on its include root; main.cpp (a program's) to none.
function(tolv_folder lib)
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(f ${files})
    get_filename_component(name ${f} NAME)
    if(name STREQUAL "main.cpp")
      continue()
    elseif(name MATCHES "\\.cpp$")
      target_sources(${lib} PRIVATE ${f})
    else()
      file(MAKE_DIRECTORY ${TOLV_INC}/${lib}/${folder})
      file(CREATE_LINK ${f} ${TOLV_INC}/${lib}/${folder}/${name} SYMBOLIC)
    endif()
  endforeach()
endfunction()

# The seconds a test binary has to list its tests, which ctest asks of it before they run (every
# gtest_discover_tests). A sanitizer build lists them in under a second at a load of 40 here, and
# took longer than the 5 s CMake gives by default beside builds and sanitizer runs at a load of 27.
set(TOLV_TEST_LIST_TIMEOUT 60)

# tolv_test(<name> LIBS lib... [SOURCES ...]): one GoogleTest executable of every .cpp in the
# current folder (or the given sources), registered test by test with CTest.
# SERIAL: its tests run alone. LABEL: the ctest label of its tests, by which `ctest -L` picks them
# (tools/soak.sh runs those labelled soak).
function(tolv_test name)
  cmake_parse_arguments(ARG "SERIAL" "TIMEOUT;LABEL" "LIBS;SOURCES" ${ARGN})
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
  set(serial "")
  if(ARG_SERIAL)
    set(serial RUN_SERIAL TRUE)
  endif()
  if(ARG_LABEL)
    list(APPEND serial LABELS ${ARG_LABEL})
  endif()
  gtest_discover_tests(${name} WORKING_DIRECTORY ${wd} DISCOVERY_MODE PRE_TEST
                       DISCOVERY_TIMEOUT ${TOLV_TEST_LIST_TIMEOUT}
                       PROPERTIES TIMEOUT ${ARG_TIMEOUT} ${serial})
endfunction()

# tolv_cp1251_sources(file... [WRITABLE_STRINGS]): sources that include a generated header holding
# Windows-1251 literals; WRITABLE_STRINGS where the generated template keeps them in char*. Set for
# the current folder's targets and for the layers (made in the top folder).
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
  set_source_files_properties(${ARG_UNPARSED_ARGUMENTS}
                              DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}
                              PROPERTIES COMPILE_OPTIONS "${opts}")
endfunction()
