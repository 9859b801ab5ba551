# Common settings for every target of the project.
function(ledgrix_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
    -Wno-missing-field-initializers)
  target_compile_definitions(${target} PRIVATE
    LEDGRIX_DB_DIR="${LEDGRIX_DB_DIR}")
  if(LEDGRIX_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
      -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# An area library: every .cpp below DIR except its ui/ folder.
# ledgrix_area(NAME DIR LIBS...)
function(ledgrix_area name dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  list(FILTER srcs EXCLUDE REGEX "/ui/|/main\\.cpp$")
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
  ledgrix_settings(${name})
endfunction()

# The window library of an area: every .cpp under DIR/ui.
function(ledgrix_area_ui name dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS "${dir}/ui/*.cpp" "${dir}/ui/*.h")
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
  ledgrix_settings(${name})
endfunction()
