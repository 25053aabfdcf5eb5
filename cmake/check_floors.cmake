# Fails when a source file includes a header of a folder above its own.
# The floors, from the ground up:
#   0  image, resources    the bytes of the memory image and the string table
#   1  blocks              parameter blocks, their commit rules, whole-image operations
#   2  document, link, widgets, report, alignment
#   3  channels, params, signaling
#   4  app
# Tools stand on everything but app. Run with -DSRC=<checkout>.
function(kp07_floor folder out)
    if(folder MATCHES "^(image|resources)$")
        set(${out} 0 PARENT_SCOPE)
    elseif(folder STREQUAL "blocks")
        set(${out} 1 PARENT_SCOPE)
    elseif(folder MATCHES "^(document|link|widgets|report|alignment)$")
        set(${out} 2 PARENT_SCOPE)
    elseif(folder MATCHES "^(channels|params|signaling)$")
        set(${out} 3 PARENT_SCOPE)
    elseif(folder STREQUAL "app")
        set(${out} 4 PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

file(GLOB_RECURSE sources "${SRC}/src/*.h" "${SRC}/src/*.cpp" "${SRC}/tools/*.h" "${SRC}/tools/*.cpp")
set(offenders "")
foreach(f IN LISTS sources)
    file(RELATIVE_PATH rel "${SRC}" "${f}")
    if(rel MATCHES "^tools/")
        set(own 3)   # tools may use every floor below app
    else()
        string(REGEX REPLACE "^src/([^/]+)/.*" "\\1" folder "${rel}")
        kp07_floor("${folder}" own)
    endif()
    if(own STREQUAL "")
        list(APPEND offenders "${rel}: folder has no floor")
        continue()
    endif()
    file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" target "${line}")
        kp07_floor("${target}" theirs)
        if(NOT theirs STREQUAL "" AND theirs GREATER own)
            list(APPEND offenders "${rel} -> ${target}/")
        endif()
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n  " text)
    message(FATAL_ERROR "includes that reach a floor above their own:\n  ${text}")
endif()
message(STATUS "every include stays on its floor or below")
