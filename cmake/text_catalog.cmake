# The program's fixed texts live in message catalogs: JSON files beside the code that shows them.
# tarnek_text_catalog() turns one into the header its code includes, at configure time, so that
# the header is there before anything is built or analysed.
#
#   tarnek_text_catalog(TARGET CATALOG HEADER)
#     CATALOG  the JSON file, relative to the calling folder
#     HEADER   the header's include path, as the sources write it ("engine/texts.h")
#     TARGET   gets the generated headers' folder on its public include path
#
# A catalog:
#   {
#     "about": "The header's first comment line.",
#     "namespace": "engine::text",
#     "includes": ["engine/texts.h"],                  (optional: what the aliases need)
#     "groups": [                                      (blank lines between groups)
#       {
#         "note": "A comment above the group.",         (optional)
#         "texts": [
#           {"name": "kName", "text": "…"},
#           {"name": "kName", "note": "%1 is …", "text": "…"},   (note: a comment above it)
#           {"name": "kName", "alias": "engine::text::kOther"}   (the same text, not a copy)
#         ]
#       }
#     ]
#   }
# Groups and texts are arrays, so the header keeps the catalog's order. A text may hold any
# character but the control ones; of those only newline, tab and carriage return are let through.
include_guard(GLOBAL)

# The text as a C++ string literal, split after each newline as a person would write it.
function(_tarnek_catalog_literal text out)
  # The control characters a text may not hold: all below space but tab, newline and return.
  string(ASCII 1 2 3 4 5 6 7 8 11 12 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 127
    controls)
  if(text MATCHES "[${controls}]")
    message(FATAL_ERROR "A catalog text holds a control character: ${text}")
  endif()
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  string(REPLACE "\r" "\\r" text "${text}")
  # A line break goes after each run of newlines; \x01, refused above, marks where.
  string(ASCII 1 mark)
  string(REGEX REPLACE "(\n+)([^\n])" "\\1${mark}\\2" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(REPLACE "${mark}" "\"\n    \"" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# Sets OUT to a member of the catalog, or to "" when the catalog has none there.
function(_tarnek_catalog_optional out json)
  string(JSON value ERROR_VARIABLE missing GET "${json}" ${ARGN})
  if(missing)
    set(value "")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# Sets OUT to the count of a catalog array, failing with the catalog's name when it is missing
# or empty.
function(_tarnek_catalog_length out json catalog)
  string(JSON length ERROR_VARIABLE error LENGTH "${json}" ${ARGN})
  if(error)
    message(FATAL_ERROR "${catalog}: ${error}")
  elseif(length EQUAL 0)
    message(FATAL_ERROR "${catalog}: ${ARGN} is empty")
  endif()
  set(${out} ${length} PARENT_SCOPE)
endfunction()

function(tarnek_text_catalog target catalog header)
  get_filename_component(catalog "${catalog}" ABSOLUTE)
  # The catalog by its path in the checkout (this file is in cmake/).
  get_filename_component(root "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/.." ABSOLUTE)
  file(RELATIVE_PATH shown_catalog "${root}" "${catalog}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${catalog}")
  file(READ "${catalog}" json)

  foreach(member about namespace)
    string(JSON ${member} ERROR_VARIABLE error GET "${json}" ${member})
    if(error)
      message(FATAL_ERROR "${shown_catalog}: ${error}")
    endif()
  endforeach()
  set(content "// ${about}\n")
  string(APPEND content "// Generated from ${shown_catalog} by cmake/text_catalog.cmake: edit the "
    "catalog, not this file.\n#pragma once\n")

  _tarnek_catalog_optional(includes "${json}" includes)
  if(NOT includes STREQUAL "")
    _tarnek_catalog_length(include_count "${json}" "${shown_catalog}" includes)
    string(APPEND content "\n")
    math(EXPR last "${include_count} - 1")
    foreach(i RANGE ${last})
      string(JSON include GET "${json}" includes ${i})
      string(APPEND content "#include \"${include}\"\n")
    endforeach()
  endif()
  string(APPEND content "\nnamespace ${namespace} {\n")

  _tarnek_catalog_length(group_count "${json}" "${shown_catalog}" groups)
  math(EXPR last_group "${group_count} - 1")
  foreach(g RANGE ${last_group})
    string(APPEND content "\n")
    _tarnek_catalog_optional(note "${json}" groups ${g} note)
    if(NOT note STREQUAL "")
      string(REPLACE "\n" "\n// " note "${note}")
      string(APPEND content "// ${note}\n")
    endif()
    _tarnek_catalog_length(text_count "${json}" "${shown_catalog}" groups ${g} texts)
    math(EXPR last_text "${text_count} - 1")
    foreach(t RANGE ${last_text})
      string(JSON name ERROR_VARIABLE error GET "${json}" groups ${g} texts ${t} name)
      if(error)
        message(FATAL_ERROR "${shown_catalog}: ${error}")
      endif()
      _tarnek_catalog_optional(note "${json}" groups ${g} texts ${t} note)
      if(NOT note STREQUAL "")
        string(REPLACE "\n" "\n// " note "${note}")
        string(APPEND content "// ${note}\n")
      endif()
      # An alias names another constant: both are then one object, as a copy would not be.
      string(JSON alias ERROR_VARIABLE no_alias GET "${json}" groups ${g} texts ${t} alias)
      if(no_alias)
        string(JSON text ERROR_VARIABLE error GET "${json}" groups ${g} texts ${t} text)
        if(error)
          message(FATAL_ERROR "${shown_catalog}: ${name} has neither a text nor an alias")
        endif()
        _tarnek_catalog_literal("${text}" value)
      else()
        set(value "${alias}")
      endif()
      string(APPEND content "inline constexpr const char* ${name} =\n    ${value};\n")
    endforeach()
  endforeach()
  string(APPEND content "\n}  // namespace ${namespace}\n")

  # Written only when it changes, so a configure that changes nothing rebuilds nothing.
  set(generated "${CMAKE_BINARY_DIR}/text_catalogs")
  file(WRITE "${generated}/${header}.new" "${content}")
  file(COPY_FILE "${generated}/${header}.new" "${generated}/${header}" ONLY_IF_DIFFERENT)
  file(REMOVE "${generated}/${header}.new")
  target_include_directories(${target} PUBLIC "${generated}")
endfunction()
