# `cmake --install` into a throw-away prefix with a space in it, as a home folder may have: the
# desktop entry names a program that is there (a menu leaves out an entry whose program it cannot
# find) and an icon that is there under that name.
#   cmake -DBUILD=<build folder> -DPREFIX=<throw-away prefix> -P InstallTest.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(entry "${PREFIX}/share/applications/kestrel.desktop")
if(NOT EXISTS "${entry}")
    message(FATAL_ERROR "no desktop entry at ${entry}")
endif()
file(STRINGS "${entry}" lines)
set(exec "")
set(icon "")
foreach(line IN LISTS lines)
    if(line MATCHES "^Exec=(.*)$")
        set(exec "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^Icon=(.*)$")
        set(icon "${CMAKE_MATCH_1}")
    endif()
endforeach()
# A quoted path: the quotes off; the prefix here holds no character that is escaped within them.
if(exec MATCHES "^\"(.*)\"$")
    set(exec "${CMAKE_MATCH_1}")
endif()
if(NOT exec STREQUAL "${PREFIX}/bin/kestrel" OR NOT EXISTS "${exec}" OR IS_DIRECTORY "${exec}")
    message(FATAL_ERROR "Exec=${exec} is not the installed program ${PREFIX}/bin/kestrel")
endif()
if(NOT EXISTS "${PREFIX}/share/icons/hicolor/256x256/apps/${icon}.png")
    message(FATAL_ERROR "Icon=${icon} is not installed in the hicolor theme")
endif()
file(REMOVE_RECURSE "${PREFIX}")
