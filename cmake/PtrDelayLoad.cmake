# ptr_delay_load(TARGET LIBRARY...)
# Links system libraries (shell32, ole32, ...) to TARGET so that each DLL is loaded when
# one of its functions is first called, not when the process starts. Every code file of
# TARGET and of what links it, those of today and those added later, gets this through
# the link: a start that never calls such a function (an "/Execute:" start hands its
# request over and ends) never loads the library. Delay loading covers functions only,
# which is all these libraries are used for.
#
# The delay-load import library of each is made once, at configure time, from the
# toolchain's ordinary import library: its function thunks name every export.
function(ptr_delay_load target)
  if(NOT WIN32)
    return()
  endif()
  find_program(PTR_DLLTOOL NAMES ${PTR_MINGW_TRIPLE}-dlltool REQUIRED)
  foreach(lib IN LISTS ARGN)
    set(delaylib ${CMAKE_BINARY_DIR}/delayload/lib${lib}_delay.a)
    if(NOT EXISTS ${delaylib})
      find_file(PTR_IMPORT_LIB_${lib} lib${lib}.a PATHS ${CMAKE_FIND_ROOT_PATH}/lib NO_DEFAULT_PATH REQUIRED)
      execute_process(COMMAND ${CMAKE_NM} ${PTR_IMPORT_LIB_${lib}} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
      # " T Name" (64-bit) or " T _Name@8" (32-bit, stdcall): one code thunk per function.
      string(REGEX MATCHALL "[^\n]* T [^\n]+" thunks "${symbols}")
      set(def "LIBRARY ${lib}.dll\nEXPORTS\n")
      foreach(line IN LISTS thunks)
        string(REGEX REPLACE ".* T " "" name "${line}")
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
          string(REGEX REPLACE "^_" "" name "${name}")
        endif()
        string(APPEND def "${name}\n")
      endforeach()
      file(WRITE ${CMAKE_BINARY_DIR}/delayload/${lib}.def "${def}")
      # --kill-at: the 32-bit DLLs export undecorated names.
      execute_process(COMMAND ${PTR_DLLTOOL} --kill-at --input-def ${CMAKE_BINARY_DIR}/delayload/${lib}.def
                              --dllname ${lib}.dll --output-delaylib ${delaylib}
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
    target_link_libraries(${target} PUBLIC ${delaylib})
  endforeach()
  # The helper that loads a library and resolves a function on its first call.
  target_link_libraries(${target} PUBLIC delayimp)
endfunction()
