# Helpers shared by the folder CMakeLists.
#
# The game is nine static libraries in layers, lowest first (tolv_layers() below makes them):
#   tolv_platform  platform/: our Linux layer (window, GL context, input, boxes); knows no game
#   tolv_base      shell/ base: text, files, binary primitives, maths, log, clocks, key commands,
#                  settings, message base, dialogs
#   tolv_gm        gm/: named variables and the generated headers
#   tolv_figures   figures/ and gm/fa_proc.cpp: the figure model, stage files, and the records
#                  several layers share (land floors, sides, program-mode words)
#   tolv_render    render/ and the key-command block gm/kmd_block.cpp (it prints with the fonts)
#   tolv_gui       ui/ toolkit: widget tree, list rows, program mode, value input, text boxes
#   tolv_world     world/ and catalogue/: the simulation and the catalogue
#   tolv_ui        ui/ screens
#   tolv_app       shell/ top (start-up, main loop, window procedure) and the frame files that tie
#                  every layer together (they stay in their subsystem's folder)
# A library links the layers below that it uses, never one above. Each library sees only the
# include roots of itself and of what it links: build/inc/<library>/<folder>/<name>.h are links to
# the headers it owns, and the source root is not on its include path, so a wrong-way include does
# not compile (tests/layers proves it). Each folder's CMakeLists gives its files to libraries with
# tolv_folder(): a folder of one library gives it everything; a folder split over libraries names
# the files of the others by stem (<stem>.cpp and <stem>.h go together). A function belongs in the
# lowest layer that holds everything it calls; records two layers need live below both. Tests and
# tools keep the source root; a test links only the library it tests.
#
# The one upward link: the generated switches of gm/fa_proc.h (tolv_figures) call procedures,
# presets and combinations that tolv_world defines. Programs, and tests that make figures, link
# tolv_game, which holds all nine libraries as one link group. Name tolv_game before any other
# library of a target: a layer reached first outside the group loses its system libraries (X11,
# EGL) from the link line.

set(TOLV_INC ${CMAKE_BINARY_DIR}/inc)
set(TOLV_GAME_LIBS tolv_platform tolv_base tolv_gm tolv_figures tolv_render tolv_gui tolv_world
    tolv_ui tolv_app)

# tolv_layer(<name> [DEPS lib...] [SYSTEM lib...]): a static library whose files the folders assign
# with tolv_folder(), and its include root.
function(tolv_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS;SYSTEM" ${ARGN})
  add_library(${name} STATIC)
  file(MAKE_DIRECTORY ${TOLV_INC}/${name})
  target_include_directories(${name} PUBLIC ${TOLV_INC}/${name})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_SYSTEM})
  set_property(GLOBAL APPEND PROPERTY TOLV_LAYERS ${name})
endfunction()

# The game's layers, made before any folder is read so that a folder can give files to any of them.
function(tolv_layers)
  file(REMOVE_RECURSE ${TOLV_INC})  # links of headers that moved or went
  find_package(X11 REQUIRED)
  find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX EGL)
  tolv_layer(tolv_platform SYSTEM X11::X11 OpenGL::GL OpenGL::GLX OpenGL::EGL ${CMAKE_DL_LIBS})
  tolv_layer(tolv_base DEPS tolv_platform SYSTEM OpenGL::GLU)  # the projection of geometry
  tolv_layer(tolv_gm DEPS tolv_base)
  tolv_layer(tolv_figures DEPS tolv_gm tolv_base)
  tolv_layer(tolv_render DEPS tolv_figures tolv_gm tolv_base tolv_platform SYSTEM OpenGL::GL OpenGL::GLU)
  tolv_layer(tolv_gui DEPS tolv_render tolv_figures tolv_gm tolv_base tolv_platform)
  tolv_layer(tolv_world DEPS tolv_gui tolv_render tolv_figures tolv_gm tolv_base)
  tolv_layer(tolv_ui DEPS tolv_world tolv_gui tolv_render tolv_figures tolv_gm tolv_base tolv_platform)
  tolv_layer(tolv_app DEPS tolv_ui tolv_world tolv_gui tolv_render tolv_figures tolv_gm tolv_base
             tolv_platform)
  add_library(tolv_game INTERFACE)
  list(JOIN TOLV_GAME_LIBS "," group)
  target_link_libraries(tolv_game INTERFACE "$<LINK_GROUP:RESCAN,${group}>")
endfunction()

# tolv_folder(<library> [<other library> <stem>...]...): gives the .cpp and .h files of the current
# folder to libraries: the files named <stem>.cpp / <stem>.h listed after a library go to it, every
# other file to the first library; main.cpp (a program's) to none. A stem without a file, or a
# header given twice, stops the configuration.
function(tolv_folder default)
  get_property(layers GLOBAL PROPERTY TOLV_LAYERS)
  set(lib ${default})
  foreach(arg ${ARGN})
    if(arg IN_LIST layers)
      set(lib ${arg})
    else()
      if(DEFINED owner_${arg})
        message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}: '${arg}' is given to both ${owner_${arg}} and ${lib}")
      endif()
      set(owner_${arg} ${lib})
      list(APPEND stems ${arg})
    endif()
  endforeach()
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(seen "")
  foreach(f ${files})
    get_filename_component(name ${f} NAME)
    get_filename_component(stem ${f} NAME_WE)
    if(name STREQUAL "main.cpp")
      continue()
    endif()
    set(to ${default})
    if(DEFINED owner_${stem})
      set(to ${owner_${stem}})
      list(APPEND seen ${stem})
    endif()
    if(name MATCHES "\\.cpp$")
      target_sources(${to} PRIVATE ${f})
    else()
      tolv_own_header(${to} ${folder}/${name} ${f})
    endif()
  endforeach()
  foreach(stem ${stems})
    if(NOT stem IN_LIST seen)
      message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}: no file ${stem}.cpp or ${stem}.h for ${owner_${stem}}")
    endif()
  endforeach()
endfunction()

# Makes <library>'s include root hold the header (as <folder>/<name>.h).
function(tolv_own_header lib rel src)
  get_property(owner GLOBAL PROPERTY TOLV_OWNER_${rel})
  if(owner)
    message(FATAL_ERROR "header ${rel} is owned by both ${owner} and ${lib}")
  endif()
  set_property(GLOBAL PROPERTY TOLV_OWNER_${rel} ${lib})
  get_filename_component(dir ${TOLV_INC}/${lib}/${rel} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(CREATE_LINK ${src} ${TOLV_INC}/${lib}/${rel} SYMBOLIC)
endfunction()

# tolv_test(<name> LIBS lib... [SOURCES ...]): one GoogleTest executable of every .cpp in the
# current folder (or the given sources), registered test by test with CTest.
# SERIAL: its tests run alone. LABEL: the ctest label of its tests (tools/stress.sh runs those
# labelled app and platform over and over on a busy machine).
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
