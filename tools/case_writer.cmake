# write_case_library(<target> <outdir>
#                    SOURCES <file>...
#                    [INSTALL DESTINATION <dir> COMPONENT <component>])
#
# Runs the build-time case writer (tools/case_writer/) over the case sources, in the
# order given, writing "<title>.dec" for every source "<title>.case" and the directory
# "目录.txt" into <outdir>.  A custom target <target> (part of ALL) builds them.  Names
# may be Chinese: the list of sources reaches the writer as a UTF-8 file, as the
# painter's list does (tools/painter.cmake).
#
# INSTALL: `cmake --install` copies the written folder's files to <dir> under
# <component>.
#
# In the host build the writer is the `case_writer` target.  In a cross build (the
# Windows programs) it is built once per build tree from tools/case_writer with the
# host's own compiler, as an external project, as the painter is.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/host_tool.cmake)

function(write_case_library target outdir)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "INSTALL" "DESTINATION;COMPONENT" "SOURCES")
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "write_case_library(${target}): SOURCES lists no case")
  endif()
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "write_case_library(${target}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()

  host_tool(case_writer command depends)
  set(outputs ${outdir}/目录.txt)
  foreach(source IN LISTS ARG_SOURCES)
    get_filename_component(title ${source} NAME_WLE)
    list(APPEND outputs ${outdir}/${title}.dec)
  endforeach()

  # Rewritten only when the list changes.
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}.list)
  string(JOIN "\n" listed ${ARG_SOURCES})
  file(CONFIGURE OUTPUT ${list_file} CONTENT "${listed}\n" @ONLY)

  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${command} ${list_file} ${outdir}
    DEPENDS ${depends} ${list_file} ${ARG_SOURCES}
    COMMENT "Writing the case library"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})

  if(ARG_INSTALL)
    if(NOT ARG_DESTINATION OR NOT ARG_COMPONENT)
      message(FATAL_ERROR "write_case_library(${target}): INSTALL needs DESTINATION and COMPONENT")
    endif()
    install(FILES ${outputs} DESTINATION ${ARG_DESTINATION} COMPONENT ${ARG_COMPONENT})
  endif()
endfunction()
