# Cross-builds the Windows executables with MinGW-w64 on Linux; the tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(toolchainPrefix x86_64-w64-mingw32)
# The POSIX thread model gives std::mutex, which GoogleTest needs; -static links winpthread in.
set(CMAKE_C_COMPILER ${toolchainPrefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${toolchainPrefix}-g++-posix)
set(CMAKE_RC_COMPILER ${toolchainPrefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${toolchainPrefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest starts every Windows test executable through Wine with the project's private prefix.
get_filename_component(projectRoot "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${projectRoot}/scripts/wine-run")
