# Writes profile_rows.h, the meaning of every row of the thickness table and
# of every general value, from data/profile_rows.tsv (the one table that the
# catalogue script, this tool and data/README.md share).
#   cmake -DIN=data/profile_rows.tsv -DOUT=.../profile_rows.h -P profile_rows.cmake
cmake_minimum_required(VERSION 3.20)
file(STRINGS "${IN}" lines ENCODING UTF-8)
set(row_texts "")
set(general_texts "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  string(REPLACE "\t" ";" fields "${line}")
  list(LENGTH fields n)
  if(NOT n EQUAL 5)
    message(FATAL_ERROR "${IN}: five tab-separated fields expected: ${line}")
  endif()
  list(GET fields 0 kind)
  list(GET fields 2 meaning)
  list(GET fields 4 unit)
  if(NOT unit STREQUAL "-")
    string(APPEND meaning ", ${unit}")
  endif()
  string(REPLACE "\"" "\\\"" meaning "${meaning}")
  if(kind STREQUAL "row")
    string(APPEND row_texts "    \"${meaning}\",\n")
  elseif(kind STREQUAL "general")
    string(APPEND general_texts "    \"${meaning}\",\n")
  else()
    message(FATAL_ERROR "${IN}: kind must be row or general: ${line}")
  endif()
endforeach()
file(WRITE "${OUT}.tmp"
"// Generated from data/profile_rows.tsv by tools/profilkv/profile_rows.cmake.
// What the engine makes of each row of the thickness table and of each
// general value (after the lookup's scale), indexed from 1.
#pragma once

namespace kvop {

inline constexpr const char* kRowMeaning[31] = {
    \"\",
${row_texts}};

inline constexpr const char* kGeneralMeaning[13] = {
    \"\",
${general_texts}};

}  // namespace kvop
")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUT}.tmp" "${OUT}")
file(REMOVE "${OUT}.tmp")
