# The help file of decision, help.chm: the pages, contents, index and project in this
# folder are UTF-8; each is converted to GBK (the project declares Chinese (PRC), code
# page 936, and every page says charset=gb2312) and the copies are compiled by chmcmd.
# help.chm is installed beside the program, which opens it from its own folder.
# Included from decision/CMakeLists.txt in the Windows build.
set(DECISION_HELP_FILES
  index.htm
  main_window.htm
  alternatives.htm
  probability_value.htm
  ranking.htm
  ranking_explanation.htm
  wizard.htm
  cases.htm
  files.htm
  help.css
  help.hhc
  help.hhk
  help.hhp)

find_program(CHMCMD chmcmd)
if(NOT CHMCMD)
  message(FATAL_ERROR "chmcmd, the HTML Help compiler that builds decision's help.chm, "
                      "was not found (Debian: apt-get install fp-utils)")
endif()
find_program(ICONV iconv)
if(NOT ICONV)
  message(FATAL_ERROR "iconv, which converts decision's help pages to GBK, was not found")
endif()

set(DECISION_HELP_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(DECISION_HELP_DIR ${CMAKE_CURRENT_BINARY_DIR}/help)
set(DECISION_HELP_CHM ${DECISION_HELP_DIR}/help.chm)
set(decision_help_gbk_files)
foreach(name IN LISTS DECISION_HELP_FILES)
  add_custom_command(OUTPUT ${DECISION_HELP_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -DICONV=${ICONV} -DIN=${DECISION_HELP_SOURCE_DIR}/${name}
            -DOUT=${DECISION_HELP_DIR}/${name} -P ${DECISION_HELP_SOURCE_DIR}/to_gbk.cmake
    DEPENDS ${DECISION_HELP_SOURCE_DIR}/${name} ${DECISION_HELP_SOURCE_DIR}/to_gbk.cmake
    VERBATIM)
  list(APPEND decision_help_gbk_files ${DECISION_HELP_DIR}/${name})
endforeach()
add_custom_command(OUTPUT ${DECISION_HELP_CHM}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${DECISION_HELP_CHM}
  COMMAND ${CHMCMD} --verbosity 1 help.hhp
  WORKING_DIRECTORY ${DECISION_HELP_DIR}
  DEPENDS ${decision_help_gbk_files}
  COMMENT "Compiling decision's help.chm"
  VERBATIM)
add_custom_target(decision_help ALL DEPENDS ${DECISION_HELP_CHM})
install(FILES ${DECISION_HELP_CHM} DESTINATION decision COMPONENT decision)

# The compiled file read back with a CHM reader (Debian libchm-bin): every page, every
# link, the contents and the index.
find_program(ENUM_CHMLIB enum_chmLib)
find_program(EXTRACT_CHMLIB extract_chmLib)
if(ENUM_CHMLIB AND EXTRACT_CHMLIB)
  add_test(NAME decision_help_tests
    COMMAND sh ${DECISION_HELP_SOURCE_DIR}/tests/help_chm_test.sh
            ${DECISION_HELP_CHM} ${DECISION_HELP_SOURCE_DIR} ${ENUM_CHMLIB} ${EXTRACT_CHMLIB})
else()
  message(STATUS "enum_chmLib/extract_chmLib (Debian libchm-bin) not found: "
                 "decision_help_tests is not registered")
endif()
