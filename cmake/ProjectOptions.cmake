# Compiler settings shared by every target of the project.

if(MSVC)
  add_compile_options(/W4 /utf-8)
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
else()
  add_compile_options(-Wall -Wextra)
endif()

if(MINGW)
  # Nothing but the .exe is needed on a Windows machine.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# The native build checks the portable code for memory and undefined-behaviour faults.
if(NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  option(ZELVANTO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
  if(ZELVANTO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()
