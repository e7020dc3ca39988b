# Sources of the font part of d3dx9. D3DXCreateFontA has a file of its own, so that a test
# program can link its own in its place.
target_sources(d3dx9 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_font_create.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_font_match.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_font_pipeline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_font_states.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_glyph_atlas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_glyph_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_glyph_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_text_decode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_text_layout.cpp)
