# Installs the program folder's data files whose number the build does not fix: every language
# file, and the user guide with its pictures once the build makes one. Run by cmake --install with
# QB_BIN_DIR (the build's program folder) and QB_PROGRAM_DIR (its place below the prefix) set.
set(destination "${CMAKE_INSTALL_PREFIX}/${QB_PROGRAM_DIR}")

file(GLOB languages "${QB_BIN_DIR}/*.ini")
if(NOT languages)
    message(FATAL_ERROR "No language file in ${QB_BIN_DIR}: build the project before installing")
endif()
file(INSTALL ${languages} DESTINATION "${destination}")

file(GLOB pages "${QB_BIN_DIR}/*.html")
if(pages)
    file(INSTALL ${pages} DESTINATION "${destination}")
    file(GLOB_RECURSE pictures RELATIVE "${QB_BIN_DIR}" "${QB_BIN_DIR}/*.png" "${QB_BIN_DIR}/*.svg"
         "${QB_BIN_DIR}/*.jpg" "${QB_BIN_DIR}/*.css")
    foreach(picture ${pictures})
        get_filename_component(folder "${destination}/${picture}" DIRECTORY)
        file(INSTALL "${QB_BIN_DIR}/${picture}" DESTINATION "${folder}")
    endforeach()
endif()
