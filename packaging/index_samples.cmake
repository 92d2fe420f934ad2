# Copies the sample lists into DEST and writes their index files there with
# zelt, so that an installed sample list opens from its index even where its
# folder cannot be written to.
#   cmake -DZELT=... -DSOURCE=... -DDEST=... -P index_samples.cmake
file(REMOVE_RECURSE ${DEST})
file(GLOB lists ${SOURCE}/*.LST)
# A copy keeps the list's time stamp, which its index file takes over.
file(COPY ${lists} DESTINATION ${DEST})
foreach(list IN LISTS lists)
  get_filename_component(name ${list} NAME)
  execute_process(COMMAND ${ZELT} topics ${name} WORKING_DIRECTORY ${DEST}
    OUTPUT_QUIET RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "zelt topics ${name} failed: ${result}")
  endif()
endforeach()
