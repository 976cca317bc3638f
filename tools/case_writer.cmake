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
include(ExternalProject)

# Sets <out_command> to the writer's path and <out_depends> to what a custom command
# using it must depend on.
function(_case_writer_tool out_command out_depends)
  if(TARGET case_writer)
    set(${out_command} case_writer PARENT_SCOPE)
    set(${out_depends} case_writer PARENT_SCOPE)
    return()
  endif()

  set(binary_dir ${CMAKE_BINARY_DIR}/host-tools/case_writer)
  if(CMAKE_HOST_WIN32)
    set(exe ${binary_dir}/case_writer.exe)
  else()
    set(exe ${binary_dir}/case_writer)
  endif()

  if(NOT TARGET case_writer_host)
    if(CMAKE_HOST_WIN32)
      # MSYS2: the programs' compiler is a native one and runs on this host.
      set(host_cxx ${CMAKE_CXX_COMPILER})
    else()
      find_program(CASE_WRITER_HOST_CXX NAMES c++ g++ clang++ NO_CMAKE_FIND_ROOT_PATH REQUIRED)
      set(host_cxx ${CASE_WRITER_HOST_CXX})
    endif()
    ExternalProject_Add(case_writer_host
      SOURCE_DIR ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/case_writer
      BINARY_DIR ${binary_dir}
      CMAKE_ARGS
        -DCMAKE_CXX_COMPILER=${host_cxx}
        -DCMAKE_BUILD_TYPE=Release
      INSTALL_COMMAND ""
      # The writer's own build tracks its sources (and the document's); running it
      # every time is cheap and relinks only when something changed.
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${exe}
      LOG_CONFIGURE ON
      LOG_OUTPUT_ON_FAILURE ON)
  endif()
  set(${out_command} ${exe} PARENT_SCOPE)
  set(${out_depends} case_writer_host ${exe} PARENT_SCOPE)
endfunction()

function(write_case_library target outdir)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "INSTALL" "DESTINATION;COMPONENT" "SOURCES")
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "write_case_library(${target}): SOURCES lists no case")
  endif()
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "write_case_library(${target}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()

  _case_writer_tool(command depends)
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
