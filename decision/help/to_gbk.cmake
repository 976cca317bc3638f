# Converts one UTF-8 help source to GBK: cmake -DICONV=<iconv> -DIN=<file> -DOUT=<file>
# -P to_gbk.cmake.  A character GBK cannot hold fails the build instead of being lost;
# the output appears only when the conversion succeeded.
get_filename_component(out_dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${out_dir})
execute_process(COMMAND ${ICONV} -f UTF-8 -t GBK ${IN}
  OUTPUT_FILE ${OUT}.part
  ERROR_VARIABLE error
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUT}.part)
  message(FATAL_ERROR "${IN}: cannot be converted to GBK: ${error}")
endif()
file(RENAME ${OUT}.part ${OUT})
