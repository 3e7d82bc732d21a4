# cmake -DPICTURES=<folder> -DBINARIES=<release folder> -P PtrGuidePictures.cmake
# Refuses the guide's pictures when there are none or when the program or a plug-in they
# show was built after them: scripts/guide-pictures.sh takes them again.
file(GLOB pictures ${PICTURES}/*.png)
if(NOT pictures)
  message(FATAL_ERROR "No pictures of the guide in ${PICTURES}: run scripts/guide-pictures.sh")
endif()
file(GLOB binaries ${BINARIES}/ptrmain.exe ${BINARIES}/KXDLL.dll ${BINARIES}/Plugins/*.tlx)
foreach(picture IN LISTS pictures)
  foreach(binary IN LISTS binaries)
    if(NOT ${picture} IS_NEWER_THAN ${binary})
      message(FATAL_ERROR "${picture} is older than ${binary}: run scripts/guide-pictures.sh")
    endif()
  endforeach()
endforeach()
