# Runs zelt.exe under Wine and the Linux zelt on copies of every sample list
# and fails unless both print the same bytes and write the same index files.
#   cmake -DWINE=... -DZELT_EXE=... -DHOST_ZELT=... -DSAMPLES=... -DWORK=... -P same_output_as_host.cmake
foreach(variable WINE ZELT_EXE HOST_ZELT SAMPLES WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()
if(NOT EXISTS ${HOST_ZELT})
  message(FATAL_ERROR "No Linux zelt at ${HOST_ZELT} to compare with: build it first "
                      "(cmake --workflow --preset test) or set ZELT_HOST_ZELT")
endif()

file(REMOVE_RECURSE ${WORK})
file(GLOB lists RELATIVE ${SAMPLES} ${SAMPLES}/*.LST ${SAMPLES}/sections/*)
list(SORT lists)
# Names outside the ANSI code page reach zelt.exe only through the wide command line.
set(renamed "ΩMEGA_ü.LST" "liste_ü€.txt")
foreach(side windows linux)
  file(COPY ${SAMPLES}/ DESTINATION ${WORK}/${side} FILES_MATCHING PATTERN "*.LST" PATTERN "sections/*")
  list(GET renamed 0 first)
  list(GET renamed 1 second)
  configure_file(${SAMPLES}/INTERRUP.LST ${WORK}/${side}/${first} COPYONLY)
  configure_file(${SAMPLES}/GLOSSARY.LST ${WORK}/${side}/${second} COPYONLY)
endforeach()
list(APPEND lists ${renamed})

function(run side output)
  if(side STREQUAL "windows")
    set(program ${WINE} ${ZELT_EXE})
  else()
    set(program ${HOST_ZELT})
  endif()
  execute_process(COMMAND ${program} ${ARGN}
    WORKING_DIRECTORY ${WORK}/${side}
    OUTPUT_FILE ${WORK}/${side}/${output}
    ERROR_FILE ${WORK}/${side}/${output}.err
    RESULT_VARIABLE result)
  file(APPEND ${WORK}/${side}/${output} "exit ${result}\n")
endfunction()

function(expect_same file)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/windows/${file} ${WORK}/linux/${file}
    RESULT_VARIABLE different)
  if(different)
    message(SEND_ERROR "zelt.exe and zelt differ in ${file} (see ${WORK})")
  endif()
endfunction()

set(compared 0)
# Section files share their index file name, so each list's index is compared
# right after its runs. Names are relative, with "/", on both sides.
foreach(list IN LISTS lists)
  string(REPLACE "/" "_" output ${list})
  get_filename_component(folder ${list} DIRECTORY)
  get_filename_component(stem ${list} NAME_WE)
  if(folder)
    set(index ${folder}/${stem}.zeltv)
  else()
    set(index ${stem}.zeltv)
  endif()
  foreach(side windows linux)
    # The first run scans and writes the index file, the second reads it.
    run(${side} ${output}.scanned topics ${list})
    run(${side} ${output}.indexed topics ${list})
    run(${side} ${output}.categories categories ${list})
    run(${side} ${output}.spans spans ${list})
  endforeach()
  foreach(kind scanned indexed categories spans)
    expect_same(${output}.${kind})
  endforeach()
  if(EXISTS ${WORK}/linux/${index} OR EXISTS ${WORK}/windows/${index})
    expect_same(${index})
  endif()
  math(EXPR compared "${compared} + 1")
endforeach()
message(STATUS "${compared} lists compared")
