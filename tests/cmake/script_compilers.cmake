# Sets script_C_compiler and script_CXX_compiler, the compilers as one program each, for the
# build scripts: a compiler that a command of several words runs (one in a root of the kit's
# own; CMake keeps the words after the first in CMAKE_<LANG>_COMPILER_ARG1) gets a script
# that runs them.
foreach(language C CXX)
  set(script_${language}_compiler ${CMAKE_${language}_COMPILER})
  if(CMAKE_${language}_COMPILER_ARG1)
    set(script_${language}_compiler ${PROJECT_BINARY_DIR}/tests/compilers/${language})
    file(CONFIGURE OUTPUT ${script_${language}_compiler}.in CONTENT "#!/bin/sh
exec \"${CMAKE_${language}_COMPILER}\" ${CMAKE_${language}_COMPILER_ARG1} \"$@\"\n")
    file(COPY_FILE ${script_${language}_compiler}.in ${script_${language}_compiler})
    file(CHMOD ${script_${language}_compiler} FILE_PERMISSIONS OWNER_READ OWNER_WRITE
      OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
