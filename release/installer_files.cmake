# Stages decision's program folder (`cmake --install` of the component "decision" into
# STAGE) and writes the installer's file list from it, as NSIS macros:
# INSTALL_FILES (a SetOutPath and File line per file), UNINSTALL_FILES (a Delete per
# file, then an RMDir per sub-folder, deepest first, which removes a folder only when
# it is empty) and INSTALLED_SIZE_KB.
#   cmake -DBUILD_DIR=<build tree> -DSTAGE=<folder> -DOUTPUT=<file.nsh> -P installer_files.cmake
file(REMOVE_RECURSE "${STAGE}/decision")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${STAGE}" --component decision
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "installer_files: staging decision into ${STAGE} failed")
endif()
set(STAGE_DIR "${STAGE}/decision")
if(NOT IS_DIRECTORY "${STAGE_DIR}")
  message(FATAL_ERROR "installer_files: no folder ${STAGE_DIR}")
endif()
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${STAGE_DIR}" "${STAGE_DIR}/*")
list(SORT files)
if(NOT files)
  message(FATAL_ERROR "installer_files: ${STAGE_DIR} is empty")
endif()

set(install_lines)
set(uninstall_lines)
set(folders)
set(size 0)
set(current_folder "-")
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  string(REPLACE "/" "\\" windows_file "${file}")
  string(REPLACE "/" "\\" windows_folder "${folder}")
  if(NOT folder STREQUAL current_folder)
    if(folder)
      string(APPEND install_lines "  SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
      list(APPEND folders "${windows_folder}")
    else()
      string(APPEND install_lines "  SetOutPath \"$INSTDIR\"\n")
    endif()
    set(current_folder "${folder}")
  endif()
  string(APPEND install_lines "  File \"${STAGE_DIR}/${file}\"\n")
  string(APPEND uninstall_lines "  Delete \"$INSTDIR\\${windows_file}\"\n")
  file(SIZE "${STAGE_DIR}/${file}" bytes)
  math(EXPR size "${size} + (${bytes} + 1023) / 1024")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(APPEND uninstall_lines "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()

file(WRITE "${OUTPUT}" "; Generated from ${STAGE_DIR} by installer_files.cmake.
!define INSTALLED_SIZE_KB ${size}
!macro INSTALL_FILES
${install_lines}!macroend
!macro UNINSTALL_FILES
${uninstall_lines}!macroend
")
