# The release package: a ZIP named after the version that holds the stripped game and its Italian read-me,
# both at the top of one folder. Nothing else is needed on a Windows machine (the runtime is linked in).
#   cmake --build build/windows --target package     (or cpack in build/windows)

# The read-me carries the project version; it stays UTF-8 with its byte order mark and CRLF line ends.
configure_file(${PROJECT_SOURCE_DIR}/packaging/LEGGIMI.txt.in ${PROJECT_BINARY_DIR}/generated/LEGGIMI.txt
               @ONLY NEWLINE_STYLE CRLF)

install(TARGETS ZelvantoGame RUNTIME DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/generated/LEGGIMI.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ZelvantoGame)
set(CPACK_PACKAGE_VENDOR Zelvanto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ZelvantoGame-${PROJECT_VERSION}-win64)
# The installed executable is stripped with the toolchain's strip (CMAKE_STRIP): symbols only, the
# resources stay.
set(CPACK_STRIP_FILES ON)
include(CPack)
