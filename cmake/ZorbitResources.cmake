# zorbit_resources(<target> <name> <file> [<name> <file>...])
#
# Embeds each file, unchanged, as the named resource of the program that
# <target> is or ends up in; platform/os/Resources.h finds it by type and name
# at run time. The type follows the file's extension: .bmp a bitmap (RT_BITMAP),
# .ico an icon group (RT_GROUP_ICON), .cur a cursor group (RT_GROUP_CURSOR),
# anything else (layouts in .json...) RT_RCDATA. Relative files are taken from
# the current source folder. tools/rescomp generates the source at build time
# and fails the build on a missing file or a name declared twice.
#
# An executable or shared library gets the source itself. A static or
# interface library passes the compiled resources on to whatever links it,
# as object files, because a linker takes from a static library only the
# members that something refers to, and nothing refers to resources by symbol.
function(zorbit_resources target)
  set(pairs ${ARGN})
  list(LENGTH pairs count)
  math(EXPR odd "${count} % 2")
  if(count EQUAL 0 OR odd)
    message(FATAL_ERROR "zorbit_resources(${target}): expected pairs of a name and a file")
  endif()

  set(arguments "")
  set(files "")
  while(pairs)
    list(POP_FRONT pairs name file)
    get_filename_component(file "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(extension "${file}" LAST_EXT)
    string(TOLOWER "${extension}" extension)
    if(extension STREQUAL ".bmp")
      set(type 2)
    elseif(extension STREQUAL ".ico")
      set(type 14)
    elseif(extension STREQUAL ".cur")
      set(type 12)
    else()
      set(type 10)
    endif()
    list(APPEND arguments ${type} ${name} ${file})
    list(APPEND files ${file})
  endwhile()

  # A target may declare resources more than once; each call gets its source.
  get_property(serial TARGET ${target} PROPERTY ZORBIT_RESOURCE_SOURCES)
  list(LENGTH serial index)
  set_property(TARGET ${target} APPEND PROPERTY ZORBIT_RESOURCE_SOURCES ${index})
  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources${index}.cpp")
  add_custom_command(
    OUTPUT "${source}"
    COMMAND rescomp "${source}" ${arguments}
    DEPENDS rescomp ${files}
    COMMENT "Embedding the resources of ${target}"
    VERBATIM)

  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "STATIC_LIBRARY" OR kind STREQUAL "INTERFACE_LIBRARY")
    set(objects ${target}_resources${index})
    add_library(${objects} OBJECT "${source}")
    # One generated file of byte arrays: precompiled headers would only cost.
    set_target_properties(${objects} PROPERTIES DISABLE_PRECOMPILE_HEADERS ON)
    target_link_libraries(${target} INTERFACE $<TARGET_OBJECTS:${objects}>)
    add_dependencies(${target} ${objects})
  else()
    target_sources(${target} PRIVATE "${source}")
  endif()
endfunction()

# zorbit_drawn_pictures(<target> <tool> <folder> <comment> <name>...)
#
# Runs the build-time picture tool <tool> (`<tool> <folder>` writes
# <name>.bmp for each name) into <folder> of the current build folder and
# embeds each picture as the bitmap resource <name> of <target>.
function(zorbit_drawn_pictures target tool folder comment)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${folder})
  set(files "")
  set(resources "")
  foreach(name IN LISTS ARGN)
    list(APPEND files ${dir}/${name}.bmp)
    list(APPEND resources ${name} ${dir}/${name}.bmp)
  endforeach()
  add_custom_command(OUTPUT ${files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${tool} ${dir}
    DEPENDS ${tool}
    COMMENT "${comment}")
  zorbit_resources(${target} ${resources})
endfunction()
