# zelt_add_version_resource(target description): on Windows the program file
# carries a VERSIONINFO resource made from project(VERSION), which the program
# reads its version numbers from. Elsewhere it does nothing.
function(zelt_add_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  set(ZELT_RC_NAME ${target})
  set(ZELT_RC_DESCRIPTION "${description}")
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
endfunction()
