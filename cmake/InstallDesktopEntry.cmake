# Run by `cmake --install`: installs the desktop entry with Exec naming the program where it was
# just installed. A menu leaves out an entry whose program is not on the session's PATH, and
# ~/.local/bin (the README's place for one player) is not on it until the next login.
# Set before it runs: KESTREL_DESKTOP_ENTRY (the entry with Exec=kestrel), KESTREL_BINDIR and
# KESTREL_DATADIR (GNUInstallDirs' folders), KESTREL_STAGING (a folder of the build to write in).
foreach(dir BINDIR DATADIR)
    if(IS_ABSOLUTE "${KESTREL_${dir}}")
        set(${dir} "${KESTREL_${dir}}")
    else()
        set(${dir} "${CMAKE_INSTALL_PREFIX}/${KESTREL_${dir}}")
    endif()
endforeach()

# A path with anything but plain characters is quoted as the desktop entry format asks: \ " ` $
# escaped inside the quotes, every \ doubled again for the string value, and % written %%.
set(exec "${BINDIR}/kestrel")
if(NOT exec MATCHES "^[A-Za-z0-9/._+-]+$")
    string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" exec "${exec}")
    string(REPLACE "\\" "\\\\" exec "${exec}")
    set(exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")

file(READ "${KESTREL_DESKTOP_ENTRY}" entry)
string(REPLACE "\nExec=kestrel\n" "\nExec=${exec}\n" entry "${entry}")
file(MAKE_DIRECTORY "${KESTREL_STAGING}")
file(WRITE "${KESTREL_STAGING}/kestrel.desktop" "${entry}")
# file(INSTALL) puts DESTDIR in front of the folder itself.
file(INSTALL DESTINATION "${DATADIR}/applications" TYPE FILE
     FILES "${KESTREL_STAGING}/kestrel.desktop")
