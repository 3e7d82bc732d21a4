# The release zip: the folder a user unpacks.
#   cmake --build build/win32 --target package_zip   ->  build/win32/Porterica-<version>-<arch>.zip
#   cmake --build build/win32 --target release_folder -> build/win32/package/Porterica (no pictures)
set(PTR_ZIP_NAME Porterica-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
set(PTR_ZIP_STAGE ${CMAKE_BINARY_DIR}/package/Porterica)
# The guide's pictures are taken under Wine from the 64-bit build (scripts/guide-pictures.sh).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(PTR_GUIDE_RELEASE ${PTR_DIST_DIR})
else()
  set(PTR_GUIDE_RELEASE ${PTR_WIN64_BUILD_DIR}/dist)
endif()
# The folder as a user unpacks it, stripped, without the guide's pictures: what the
# benchmarks run.
add_custom_target(release_folder
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/package
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PTR_ZIP_STAGE}/Plugins ${PTR_ZIP_STAGE}/MenuData
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PTR_DIST_DIR} ${PTR_ZIP_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/dist ${PTR_ZIP_STAGE}
  # Debug information stays in the build tree; users get the small binaries.
  COMMAND ${CMAKE_STRIP} --strip-debug ${PTR_ZIP_STAGE}/ptrmain.exe ${PTR_ZIP_STAGE}/KXDLL.dll
          ${PTR_ZIP_STAGE}/Plugins/tlxText.tlx ${PTR_ZIP_STAGE}/Plugins/tlxInternet.tlx
          ${PTR_ZIP_STAGE}/Plugins/tlxConvert.tlx ${PTR_ZIP_STAGE}/Plugins/tlxHistory.tlx
          ${PTR_ZIP_STAGE}/Plugins/tlxSnippet.tlx
  VERBATIM)
add_dependencies(release_folder ptrmain KXDLL tlxText tlxInternet tlxConvert tlxHistory tlxSnippet)
# The zip: that folder with the guide's pictures, refused when they are missing or older
# than what they show.
add_custom_target(package_zip
  COMMAND ${CMAKE_COMMAND} -DPICTURES=${PTR_GUIDE_RELEASE}/guide -DBINARIES=${PTR_GUIDE_RELEASE}
          -P ${CMAKE_SOURCE_DIR}/cmake/PtrGuidePictures.cmake
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PTR_ZIP_STAGE}/guide ${CMAKE_BINARY_DIR}/${PTR_ZIP_NAME}.zip
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PTR_GUIDE_RELEASE}/guide ${PTR_ZIP_STAGE}/guide
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package zip -qr ../${PTR_ZIP_NAME}.zip Porterica
  COMMENT "Packing ${PTR_ZIP_NAME}.zip"
  VERBATIM)
add_dependencies(package_zip release_folder)
