# ptr_windows_dll(TARGET DEF_FILE [SUFFIX .tlx] [SUBDIR Plugins])
# A Windows DLL whose exports are listed in DEF_FILE, undecorated in the 32-bit
# build too (no "@n" suffix on WINAPI functions), placed in the release folder.
function(ptr_windows_dll target def)
  cmake_parse_arguments(D "" "SUFFIX;SUBDIR" "" ${ARGN})
  target_sources(${target} PRIVATE ${def})
  target_link_options(${target} PRIVATE -Wl,--kill-at,--enable-stdcall-fixup)
  set_target_properties(${target} PROPERTIES PREFIX "")
  if(D_SUFFIX)
    set_target_properties(${target} PROPERTIES SUFFIX ${D_SUFFIX})
  endif()
  if(D_SUBDIR)
    set_target_properties(${target} PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${PTR_DIST_DIR}/${D_SUBDIR}
      LIBRARY_OUTPUT_DIRECTORY ${PTR_DIST_DIR}/${D_SUBDIR})
  endif()
  # Import libraries are for tests only; keep them out of the release folder.
  set_target_properties(${target} PROPERTIES ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
endfunction()

# ptr_program_resources(TARGET)
# Compiles the program's resource script into TARGET. windres names no dependencies, so
# the script is rebuilt whenever a file beside it changes: the dialog templates and ids
# it includes, the pictures, the icon and the manifest.
function(ptr_program_resources target)
  set(dir ${PROJECT_SOURCE_DIR}/main/res)
  file(GLOB parts CONFIGURE_DEPENDS ${dir}/*.rc ${dir}/*.h ${dir}/*.bmp ${dir}/*.ico ${dir}/*.manifest)
  list(REMOVE_ITEM parts ${dir}/ptrmain.rc)
  set_source_files_properties(${dir}/ptrmain.rc PROPERTIES OBJECT_DEPENDS "${parts}")
  target_sources(${target} PRIVATE ${dir}/ptrmain.rc)
endfunction()
