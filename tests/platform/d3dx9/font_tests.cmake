# Tests of the font part of d3dx9. The texts are compiled into code page 932, as the program's.
set(DF_FONT_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FontCreateTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontDrawTest.cpp)
set_source_files_properties(${DF_FONT_TEST_SOURCES} PROPERTIES COMPILE_OPTIONS "${DF_CP932_OPTIONS}")
df_add_test(d3dx9_font_test
  SOURCES ${DF_FONT_TEST_SOURCES} ${CMAKE_CURRENT_LIST_DIR}/FontMatchTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextDecodeTest.cpp
  LIBS d3dx9 dftest_device)
