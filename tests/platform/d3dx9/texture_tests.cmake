# Tests of the texture part of d3dx9.
df_add_test(d3dx9_texture_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextureTest.cpp
  LIBS d3dx9 dftest_device stb)
target_include_directories(d3dx9_texture_test PRIVATE ${CMAKE_SOURCE_DIR})
