# df_scramble_asset(<sources-var> <symbol> <input>
#                   [INCLUDE <header>] [REPLACE <TOKEN=VALUE>...] [DEPENDS <file>...])
#
# Generates, at build time, a C++ source that defines `extern const unsigned char <symbol>[]`
# holding the bytes of <input> scrambled with the asset keystream, and
# `extern const unsigned int <symbol>Size`, and appends its path to <sources-var> in the
# caller's scope. INCLUDE names a header (as written in an #include) that declares the two, so
# the compiler checks them. Every @TOKEN@ of a REPLACE pair is replaced by VALUE before
# scrambling; with REPLACE given, the input must hold each token and no other @TOKEN@. The
# source is regenerated whenever <input>, the files named by DEPENDS or dfscramble change.
# The generated file lies under the caller's build directory and is never committed.
function(df_scramble_asset sources_var symbol input)
  cmake_parse_arguments(PARSE_ARGV 3 ARG "" "INCLUDE" "REPLACE;DEPENDS")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "df_scramble_asset: unexpected arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(input_path "${input}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/generated/${symbol}.cpp")

  set(arguments --input "${input_path}" --output "${output}" --symbol "${symbol}")
  if(ARG_INCLUDE)
    list(APPEND arguments --include "${ARG_INCLUDE}")
  endif()
  foreach(pair IN LISTS ARG_REPLACE)
    list(APPEND arguments --replace "${pair}")
  endforeach()

  file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/generated")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND dfscramble ${arguments}
    DEPENDS dfscramble "${input_path}" ${ARG_DEPENDS}
    COMMENT "Scrambling ${input} into ${symbol}"
    VERBATIM)
  set(${sources_var} ${${sources_var}} "${output}" PARENT_SCOPE)
endfunction()

# df_read_float_constant(<out-var> <header> <name>)
#
# Reads `constexpr float <name> = <number>f;` from <header> and sets <out-var> to the number
# as a literal that shader code accepts (no suffix, always with a decimal point or exponent).
# CMake reconfigures when the header changes, so the value never goes stale.
function(df_read_float_constant out_var header name)
  file(READ "${header}" text)
  set(number "([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?")
  string(REGEX MATCH "constexpr[ \t]+float[ \t]+${name}[ \t]*=[ \t]*${number}[fF]?[ \t]*;"
                     found "${text}")
  if(NOT found)
    message(FATAL_ERROR "${header}: no `constexpr float ${name} = <number>f;` found")
  endif()
  set(value "${CMAKE_MATCH_1}${CMAKE_MATCH_2}")
  if(NOT value MATCHES "[.eE]")
    string(APPEND value ".0")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${header}")
  set(${out_var} "${value}" PARENT_SCOPE)
endfunction()
