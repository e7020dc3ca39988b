# Sources of the math part of d3dx9.
target_sources(d3dx9 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/d3dx9_math.cpp)
