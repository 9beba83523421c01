# Small helpers shared by the directory builds.

# vardo_sources(OUT DIR): every .cpp/.h directly in DIR (re-globbed on change).
function(vardo_sources out dir)
  file(GLOB _src CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  set(${out} ${_src} PARENT_SCOPE)
endfunction()

# vardo_test(NAME DIR LIBS...): one GoogleTest executable from the .cpp files in DIR.
function(vardo_test name dir)
  file(GLOB _src CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
