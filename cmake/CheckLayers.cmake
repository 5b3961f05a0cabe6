# Fails when a source file includes a header of a folder above its own. The folders of src/, from the
# bottom: each may include its own headers and those of the folders before it. The two front ends
# may include every folder of the logic, not each other.
#   cmake -DSOURCE_DIR=<src> [-DSTAMP=<file>] -P CheckLayers.cmake
set(layers platform core assembler control memtools editing views shell)
set(front_ends cli qt)

set(problems "")
foreach(folder IN LISTS layers front_ends)
  list(FIND layers ${folder} rank)
  if(rank EQUAL -1)
    list(LENGTH layers rank)  # a front end stands above every layer
  endif()
  file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" included "${line}")
      if(included STREQUAL folder)
        continue()
      endif()
      list(FIND layers ${included} included_rank)
      if(included_rank EQUAL -1 OR NOT included_rank LESS rank)
        file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
        string(APPEND problems "  src/${name} includes ${included}/, which is not below ${folder}/\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that point upwards (order: ${layers}, then the front ends):\n${problems}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
