# Small helpers shared by the directory builds.

# vardo_sources(OUT DIR): every .cpp/.h directly in DIR (re-globbed on change).
function(vardo_sources out dir)
  file(GLOB _src CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  set(${out} ${_src} PARENT_SCOPE)
endfunction()

# vardo_gtest_partes(EXE PARTES [LABELS...]): ctest runs the GoogleTest
# executable EXE in PARTES processes, each a fixed share of its cases
# (GoogleTest's sharding: case k goes to part k mod PARTES). Starting a
# process under the sanitizers costs more than most cases, so a process per
# case would spend most of the run starting up; the parts still spread a
# long executable over the processors. Names: EXE, or EXE.parte1 ... when
# split. One case alone: EXE --gtest_filter=Suite.Case.
function(vardo_gtest_partes exe partes)
  set(_env "QT_QPA_PLATFORM=offscreen")
  foreach(i RANGE 1 ${partes})
    if(partes EQUAL 1)
      set(_nombre ${exe})
      set(_envi ${_env})
    else()
      set(_nombre ${exe}.parte${i})
      math(EXPR _indice "${i} - 1")
      set(_envi ${_env} GTEST_TOTAL_SHARDS=${partes} GTEST_SHARD_INDEX=${_indice})
    endif()
    add_test(NAME ${_nombre} COMMAND ${exe} WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
    set_tests_properties(${_nombre} PROPERTIES ENVIRONMENT "${_envi}")
    if(ARGN)
      set_tests_properties(${_nombre} PROPERTIES LABELS "${ARGN}")
    endif()
  endforeach()
endfunction()

# vardo_tests(PREFIX DIR [QT_ENTORNO] [RECURSE] [PARTES n] [SOLO names... LIBS] LIBS...): one
# GoogleTest executable PREFIX_pruebas holding every <name>_test.cpp in DIR (only the
# names after SOLO when given) and the other .cpp files there, its helpers,
# run by ctest in PARTES processes (1 unless told). One executable per folder
# keeps the links and the helpers' compilations few. QT_ENTORNO compiles in
# the shared QApplication environment of the Qt tests as well; RECURSE takes
# the folders below DIR as well.
function(vardo_tests prefix dir)
  cmake_parse_arguments(PARSE_ARGV 2 _vt "QT_ENTORNO;RECURSE" "PARTES" "SOLO;LIBS")
  if(NOT _vt_PARTES)
    set(_vt_PARTES 1)
  endif()
  set(exe ${prefix}_pruebas)
  set(_glob GLOB)
  if(_vt_RECURSE)
    set(_glob GLOB_RECURSE)
  endif()
  file(${_glob} _tests CONFIGURE_DEPENDS "${dir}/*_test.cpp")
  file(${_glob} _all CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(_helpers ${_all})
  if(_tests)
    list(REMOVE_ITEM _helpers ${_tests})
  endif()
  if(_vt_SOLO)
    set(_tests "")
    foreach(n ${_vt_SOLO})
      list(APPEND _tests "${dir}/${n}_test.cpp")
    endforeach()
  endif()
  if(_vt_QT_ENTORNO)
    list(APPEND _helpers ${CMAKE_SOURCE_DIR}/tests/comun/qt_entorno.cpp)
  endif()
  add_executable(${exe} ${_tests} ${_helpers})
  target_link_libraries(${exe} PRIVATE ${_vt_LIBS} ${_vt_UNPARSED_ARGUMENTS} GTest::gtest GTest::gmock
                        GTest::gtest_main)
  target_include_directories(${exe} PRIVATE ${CMAKE_SOURCE_DIR})
  # Sample documents are found by this absolute path, never by __FILE__,
  # which a compiler cache may make relative to the build directory.
  target_compile_definitions(${exe} PRIVATE VARDO_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")
  # Tests with a QApplication take the locale of the environment: label qt.
  if(_vt_QT_ENTORNO)
    target_link_libraries(${exe} PRIVATE Qt6::Test)
    vardo_gtest_partes(${exe} ${_vt_PARTES} qt)
  else()
    vardo_gtest_partes(${exe} ${_vt_PARTES})
  endif()
endfunction()
