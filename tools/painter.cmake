# paint_pictures(<set> <outdir>
#                OUTPUTS <file>...
#                [SCALED <file>...]
#                [TARGET <program>...]
#                [INSTALL <file>... DESTINATION <dir> COMPONENT <component>])
#
# Runs the build-time painter for picture set <set> (see tools/painter/pictures.h),
# writing every file of the set into <outdir>.  OUTPUTS names every file the set makes;
# the painter fails when the list and the set differ.  A custom target paint_<set>
# builds them.  Names may be Chinese: CMake keeps its text as UTF-8, the list reaches
# the painter as a UTF-8 file, and the painter writes each name as its characters.
#
# SCALED: the pictures of OUTPUTS the painter paints again at every larger scale, each
# into <outdir>/<percent>/<stem>.png (kit/picture_scales.h); they are outputs too.
#
# TARGET: the programs whose resource scripts (.rc) name the pictures; see
# target_use_pictures below (windres looks for BITMAP, ICON and CURSOR files on the
# include path).
#
# INSTALL: files of the set (e.g. dialog backgrounds read from the working folder) that
# `cmake --install` copies to <dir> under <component>, each scaled form into
# <dir>/<percent>.
#
# In the host build the painter is the `painter` target of tools/.  In a cross build
# (the Windows programs) it is built once per build tree from tools/painter with the
# host's own compiler, as an external project; on a Windows host (MSYS2) that is the
# same compiler as the programs'.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/host_tool.cmake)

# Which painted scales the programs ship: every scale is painted and checked, but each set
# shipped adds to the installer and the archives, which LZMA and deflate cannot shrink
# much further.  One 200 % set, compiled in and beside the background files, serves every
# DPI above 96 (scaled down between) and, as palette PNGs, keeps the installer and the
# archives within half again their size.
set(PICTURE_SETS_COMPILED_IN 200 CACHE STRING "Painted scales (percent) compiled into the programs")
set(PICTURE_SETS_INSTALLED 200 CACHE STRING "Painted scales (percent) of the picture files installed beside the programs")

# The scaled forms of the 100 % picture name, relative to its folder, into out_var.
function(scaled_picture_files name out_var)
  # The larger scales, as kit/picture_scales.h names them (the painter refuses a list
  # that differs from what it paints, so the two cannot drift apart unnoticed).
  set(percents 125 150 175 200)
  get_filename_component(stem "${name}" NAME_WLE)
  set(files)
  foreach(percent IN LISTS percents)
    list(APPEND files ${percent}/${stem}.png)
  endforeach()
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()

# The scaled forms of name that are installed beside it (PICTURE_SETS_INSTALLED), into
# out_var.
function(installed_scaled_picture_files name out_var)
  scaled_picture_files(${name} scaled)
  set(files)
  foreach(file IN LISTS scaled)
    get_filename_component(percent "${file}" DIRECTORY)
    if(percent IN_LIST PICTURE_SETS_INSTALLED)
      list(APPEND files ${file})
    endif()
  endforeach()
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()

function(paint_pictures set outdir)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "DESTINATION;COMPONENT" "OUTPUTS;SCALED;TARGET;INSTALL")
  if(NOT ARG_OUTPUTS)
    message(FATAL_ERROR "paint_pictures(${set}): OUTPUTS lists no file")
  endif()
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "paint_pictures(${set}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()

  host_tool(painter command depends)
  set(names ${ARG_OUTPUTS})
  foreach(name IN LISTS ARG_SCALED)
    if(NOT name IN_LIST ARG_OUTPUTS)
      message(FATAL_ERROR "paint_pictures(${set}): ${name} is scaled but not painted")
    endif()
    scaled_picture_files(${name} scaled)
    list(APPEND names ${scaled})
  endforeach()
  set(files)
  foreach(name IN LISTS names)
    list(APPEND files ${outdir}/${name})
  endforeach()

  # Rewritten only when the list changes, so an unchanged list repaints nothing.
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/paint_${set}.list)
  string(JOIN "\n" listed ${names})
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
      if(name IN_LIST ARG_SCALED)
        installed_scaled_picture_files(${name} scaled)
        foreach(file IN LISTS scaled)
          get_filename_component(percent "${file}" DIRECTORY)
          install(FILES ${outdir}/${file} DESTINATION ${ARG_DESTINATION}/${percent} COMPONENT ${ARG_COMPONENT})
        endforeach()
      endif()
    endforeach()
    install(FILES ${installed} DESTINATION ${ARG_DESTINATION} COMPONENT ${ARG_COMPONENT})
  endif()
endfunction()

# target_use_pictures(<target> <set>)
#
# Lets <target>'s resource scripts name the pictures of a set painted earlier with
# paint_pictures: the set's folder goes on its resource include path (and the scales of
# PICTURE_SETS_COMPILED_IN are defined for the set's script), the target is
# built after the pictures, and its .rc files are compiled again when a picture
# changes.  For further executables (tests, say) that compile the same .rc.
function(target_use_pictures target set)
  get_property(outdir GLOBAL PROPERTY PAINTED_${set}_DIR)
  get_property(files GLOBAL PROPERTY PAINTED_${set}_FILES)
  if(NOT outdir)
    message(FATAL_ERROR "target_use_pictures(${target}): no picture set ${set} painted yet")
  endif()
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${outdir}>)
  foreach(percent IN LISTS PICTURE_SETS_COMPILED_IN)
    target_compile_definitions(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:PICTURE_SET_${percent}>)
  endforeach()
  add_dependencies(${target} paint_${set})
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.rc$")
  if(sources)
    set_property(SOURCE ${sources} TARGET_DIRECTORY ${target} APPEND
                 PROPERTY OBJECT_DEPENDS ${files})
  endif()
endfunction()
