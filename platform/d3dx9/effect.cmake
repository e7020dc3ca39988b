# Sources of the effect part of d3dx9. The parser, lexer, state names and GLSL assembly need no
# device (the fuzz target in tools/fuzz builds them on their own).
target_sources(d3dx9 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_buffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_effect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_effect_create.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_effect_glsl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_effect_lexer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_effect_parser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_effect_saved_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/d3dx9_effect_states.cpp)
