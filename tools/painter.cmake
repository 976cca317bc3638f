# paint_pictures(<set> <outdir>
#                OUTPUTS <file>...
#                [TARGET <program>...]
#                [INSTALL <file>... DESTINATION <dir> COMPONENT <component>])
#
# Runs the build-time painter for picture set <set> (see tools/painter/pictures.h),
# writing every file of the set into <outdir>.  OUTPUTS names every file the set makes;
# the painter fails when the list and the set differ.  A custom target paint_<set>
# builds them.  Names may be Chinese: CMake keeps its text as UTF-8, the list reaches
# the painter as a UTF-8 file, and the painter writes each name as its characters.
#
# TARGET: the programs whose resource scripts (.rc) name the pictures; see
# target_use_pictures below (windres looks for BITMAP, ICON and CURSOR files on the
# include path).
#
# INSTALL: files of the set (e.g. dialog backgrounds read from the working folder) that
# `cmake --install` copies to <dir> under <component>.
#
# In the host build the painter is the `painter` target of tools/.  In a cross build
# (the Windows programs) it is built once per build tree from tools/painter with the
# host's own compiler, as an external project; on a Windows host (MSYS2) that is the
# same compiler as the programs'.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/host_tool.cmake)

function(paint_pictures set outdir)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "DESTINATION;COMPONENT" "OUTPUTS;TARGET;INSTALL")
  if(NOT ARG_OUTPUTS)
    message(FATAL_ERROR "paint_pictures(${set}): OUTPUTS lists no file")
  endif()
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "paint_pictures(${set}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()

  host_tool(painter command depends)
  set(files)
  foreach(name IN LISTS ARG_OUTPUTS)
    list(APPEND files ${outdir}/${name})
  endforeach()

  # Rewritten only when the list changes, so an unchanged list repaints nothing.
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/paint_${set}.list)
  string(JOIN "\n" listed ${ARG_OUTPUTS})
  file(CONFIGURE OUTPUT ${list_file} CONTENT "${listed}\n" @ONLY)

  add_custom_command(
    OUTPUT ${files}
    COMMAND ${command} ${set} ${outdir} ${list_file}
    DEPENDS ${depends} ${list_file}
    COMMENT "Painting the ${set} pictures"
    VERBATIM)
  add_custom_target(paint_${set} DEPENDS ${files})

  set_property(GLOBAL PROPERTY PAINTED_${set}_DIR ${outdir})
  set_property(GLOBAL PROPERTY PAINTED_${set}_FILES ${files})
  foreach(target IN LISTS ARG_TARGET)
    target_use_pictures(${target} ${set})
  endforeach()

  if(ARG_INSTALL)
    if(NOT ARG_DESTINATION OR NOT ARG_COMPONENT)
      message(FATAL_ERROR "paint_pictures(${set}): INSTALL needs DESTINATION and COMPONENT")
    endif()
    set(installed)
    foreach(name IN LISTS ARG_INSTALL)
      if(NOT name IN_LIST ARG_OUTPUTS)
        message(FATAL_ERROR "paint_pictures(${set}): ${name} is installed but not painted")
      endif()
      list(APPEND installed ${outdir}/${name})
    endforeach()
    install(FILES ${installed} DESTINATION ${ARG_DESTINATION} COMPONENT ${ARG_COMPONENT})
  endif()
endfunction()

# target_use_pictures(<target> <set>)
#
# Lets <target>'s resource scripts name the pictures of a set painted earlier with
# paint_pictures: the set's folder goes on its resource include path, the target is
# built after the pictures, and its .rc files are compiled again when a picture
# changes.  For further executables (tests, say) that compile the same .rc.
function(target_use_pictures target set)
  get_property(outdir GLOBAL PROPERTY PAINTED_${set}_DIR)
  get_property(files GLOBAL PROPERTY PAINTED_${set}_FILES)
  if(NOT outdir)
    message(FATAL_ERROR "target_use_pictures(${target}): no picture set ${set} painted yet")
  endif()
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${outdir}>)
  add_dependencies(${target} paint_${set})
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.rc$")
  if(sources)
    set_property(SOURCE ${sources} TARGET_DIRECTORY ${target} APPEND
                 PROPERTY OBJECT_DEPENDS ${files})
  endif()
endfunction()
