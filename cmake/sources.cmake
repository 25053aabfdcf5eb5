# Every subsystem folder under src/ holds both layers: files that need Qt are
# recognised by their name (see kp07_is_gui_file) and go into kp07gui, all
# others into the Qt-free kp07core. Everything in src/app is GUI; in
# src/resources the string table is core and the Qt glue follows the names.
set(KP07_SUBSYSTEMS image blocks document link widgets channels params signaling report alignment app resources)

function(kp07_is_gui_file path out)
    file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}" "${path}")
    if(rel MATCHES "^src/app/"
       OR rel MATCHES "^src/resources/.*(_qt|_widget|_dialog)\\.(h|cpp)$"
       OR rel MATCHES "^tests/support/gui/"
       OR rel MATCHES "(_dialog|_view|_widget|_frame|_grid|_printer|_edit|_combo)\\.(h|cpp)$"
       OR rel MATCHES "(_dialog|_view|_widget|_frame|_grid|_printer|_edit|_combo|_gui)_test\\.cpp$")
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

# Splits the source files below DIR into CORE_OUT and GUI_OUT.
function(kp07_split_sources dir core_out gui_out)
    if(CMAKE_SCRIPT_MODE_FILE)
        file(GLOB_RECURSE files "${dir}/*.cpp" "${dir}/*.h")
    else()
        file(GLOB_RECURSE files CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
    endif()
    set(core "")
    set(gui "")
    foreach(f IN LISTS files)
        kp07_is_gui_file("${f}" is_gui)
        if(is_gui)
            list(APPEND gui "${f}")
        else()
            list(APPEND core "${f}")
        endif()
    endforeach()
    set(${core_out} "${core}" PARENT_SCOPE)
    set(${gui_out} "${gui}" PARENT_SCOPE)
endfunction()
