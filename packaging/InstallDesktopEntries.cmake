# Writes a desktop entry for each program with its launcher's installed path and installs it. Run
# by cmake --install with QB_ENTRIES (the entries' names), QB_SOURCE_DIR (their templates),
# QB_WORK_DIR (a folder of the build tree) and QB_LAUNCHER_DIR set.

# The launcher folder as one quoted argument of an Exec line: quoting keeps spaces, and the
# characters that keep a meaning inside quotes are escaped twice, once for the quoting and once
# for the entry's string value.
set(folder "${CMAKE_INSTALL_PREFIX}/${QB_LAUNCHER_DIR}")
string(REPLACE "\\" "\\\\\\\\" folder "${folder}")
foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\\\${special}" folder "${folder}")
endforeach()
string(REPLACE "%" "%%" QB_LAUNCHERS "${folder}")

# Installations to different prefixes may run at once (the package and a test installation).
string(MD5 stamp "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(entry ${QB_ENTRIES})
    set(written "${QB_WORK_DIR}/${stamp}/${entry}.desktop")
    configure_file("${QB_SOURCE_DIR}/${entry}.desktop.in" "${written}" @ONLY)
    file(INSTALL "${written}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
endforeach()
