# host_tool(<name> <out_command> <out_depends>)
#
# A build-time tool of tools/<name>/ (the painter, the case writer): sets <out_command>
# to the program a custom command runs and <out_depends> to what that command must
# depend on.  In the host build the tool is the target <name> itself.  In a cross build
# (the Windows programs) it is built once per build tree from tools/<name> with the
# host's own compiler, as an external project; on a Windows host (MSYS2) that is the
# same compiler as the programs'.
include_guard(GLOBAL)
include(ExternalProject)

function(host_tool name out_command out_depends)
  if(TARGET ${name})
    set(${out_command} ${name} PARENT_SCOPE)
    set(${out_depends} ${name} PARENT_SCOPE)
    return()
  endif()

  set(binary_dir ${CMAKE_BINARY_DIR}/host-tools/${name})
  set(exe ${binary_dir}/${name}${CMAKE_HOST_EXECUTABLE_SUFFIX})

  if(NOT TARGET ${name}_host)
    if(CMAKE_HOST_WIN32)
      # MSYS2: the programs' compiler is a native one and runs on this host.
      set(host_cxx ${CMAKE_CXX_COMPILER})
    else()
      find_program(HOST_TOOL_CXX NAMES c++ g++ clang++ NO_CMAKE_FIND_ROOT_PATH REQUIRED)
      set(host_cxx ${HOST_TOOL_CXX})
    endif()
    ExternalProject_Add(${name}_host
      SOURCE_DIR ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${name}
      BINARY_DIR ${binary_dir}
      CMAKE_ARGS
        -DCMAKE_CXX_COMPILER=${host_cxx}
        -DCMAKE_BUILD_TYPE=Release
      INSTALL_COMMAND ""
      # The tool's own build tracks its sources; running it every time is cheap and
      # relinks only when something changed, which then reruns what it makes.
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${exe}
      LOG_CONFIGURE ON
      LOG_OUTPUT_ON_FAILURE ON)
  endif()
  set(${out_command} ${exe} PARENT_SCOPE)
  set(${out_depends} ${name}_host ${exe} PARENT_SCOPE)
endfunction()
