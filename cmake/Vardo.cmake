# Small helpers shared by the directory builds.

# vardo_sources(OUT DIR): every .cpp/.h directly in DIR (re-globbed on change).
function(vardo_sources out dir)
  file(GLOB _src CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  set(${out} ${_src} PARENT_SCOPE)
endfunction()

# vardo_tests(PREFIX DIR [QT_ENTORNO] [SOLO names... LIBS] LIBS...): one
# GoogleTest executable PREFIX_pruebas holding every <name>_test.cpp in DIR (only the
# names after SOLO when given) and the other .cpp files there, its helpers.
# One executable per folder keeps the links and the helpers' compilations
# few; ctest still runs each case in a process of its own. QT_ENTORNO
# compiles in the shared QApplication environment of the Qt tests as well.
function(vardo_tests prefix dir)
  cmake_parse_arguments(PARSE_ARGV 2 _vt "QT_ENTORNO" "" "SOLO;LIBS")
  set(exe ${prefix}_pruebas)
  file(GLOB _tests CONFIGURE_DEPENDS "${dir}/*_test.cpp")
  file(GLOB _all CONFIGURE_DEPENDS "${dir}/*.cpp")
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
  set(_props ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(_vt_QT_ENTORNO)
    list(APPEND _props LABELS qt)
  endif()
  gtest_discover_tests(${exe}
    TEST_PREFIX "${exe}."
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    PROPERTIES ${_props}
    DISCOVERY_TIMEOUT 60)
endfunction()
