# Tests of the effect part of d3dx9.

# Reading effect texts: no device.
df_add_test(d3dx9_effect_text_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/EffectTextTest.cpp
  LIBS d3dx9)
target_compile_definitions(d3dx9_effect_text_test PRIVATE
  DF_EFFECT_SOURCE="${CMAKE_SOURCE_DIR}/assets/data/effect.fx")

# Effects on a real device, the embedded effect among them.
df_add_test(d3dx9_effect_test SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/EffectTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EffectPanelTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EffectTestSupport.cpp
  LIBS d3dx9 dftest_device dfassets)
target_compile_definitions(d3dx9_effect_test PRIVATE
  DF_EFFECTS_DOC="${CMAKE_SOURCE_DIR}/platform/d3dx9/EFFECTS.md")

# Not a test: renders image.tga (or a stand-in shape) through the three panel passes at a few
# magnifications and writes PNG files to look at; see EffectViewMain.cpp.
add_executable(d3dx9_effect_view
  ${CMAKE_CURRENT_LIST_DIR}/EffectViewMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EffectTestSupport.cpp)
target_link_libraries(d3dx9_effect_view PRIVATE d3dx9 dftest_device dfassets stb GTest::gtest)
target_compile_definitions(d3dx9_effect_view PRIVATE
  DF_ASSET_DATA_DIR="${CMAKE_SOURCE_DIR}/assets/data")
set_target_properties(d3dx9_effect_view PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
