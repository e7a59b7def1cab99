# The languages that this build's target tests, as tools/kitdata reads them from the folders
# of interop/; LINKKIT_LANGUAGES, when set, keeps only those. Sets LINKKIT_SCRIPT_CALLERS (a
# caller built by its folder's build script), LINKKIT_FIND_PACKAGE_CALLERS (a caller built
# as a CMake project), LINKKIT_CALLEES, LINKKIT_ROOT_LANGUAGES (whose tools a target's own
# Debian root holds), LINKKIT_HOST_BUILT_CALLERS (whose build makes no machine code, so that
# the host's tools build them for any target) and, for a target with a root,
# LINKKIT_CALLER_ROOT, the command that runs another in that root; LINKKIT_CALLEES_IN_ROOT,
# the callees whose programs are linked and run there.
find_package(Python3 3.11 REQUIRED COMPONENTS Interpreter)
execute_process(COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/kitdata cmake
    ${LINKKIT_TARGET} ${LINKKIT_LANGUAGES}
  OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/languages.cmake RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tools/kitdata cannot say what ${LINKKIT_TARGET} tests")
endif()
include(${CMAKE_CURRENT_BINARY_DIR}/languages.cmake)
file(GLOB language_files ${PROJECT_SOURCE_DIR}/interop/*/language.toml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${language_files}
  ${PROJECT_SOURCE_DIR}/cmake/targets.toml ${PROJECT_SOURCE_DIR}/tools/kitdata)

# linkkit_interop_tests(OUT PREFIX WORKDIR ENVIRONMENT...): for each language whose caller
# this target builds with its build script, a build step and a test interop_<language>, named
# in OUT. At build time the kit is installed in PREFIX and the script builds the caller
# against it, in WORKDIR/<language>, with ENVIRONMENT (the compilers and their options),
# again only when the caller's sources or the kit change; the test runs it under the
# target's emulator and compares its output with interop/expected.out. A language whose
# tool a target's own root holds is built and run in that root, with the source and build
# trees at their own paths, and with the root's own compilers, not the host's; a caller of
# bytecode or a script alone is built by the host's tools (the same bytes, without their
# compiler running under the emulator) and only run in the root.
function(linkkit_interop_tests out prefix workdir)
  set(environment ${ARGN})
  set(installed ${workdir}/kit.installed)
  set(kit)
  foreach(target refdemo greetprog refdemo_shared pascalrt_static pascalrt_shared
      greetmod_static greetmod_shared)
    if(TARGET ${target})
      list(APPEND kit ${target})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${installed}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${prefix} >/dev/null
    COMMAND ${CMAKE_COMMAND} -E touch ${installed}
    DEPENDS ${kit} COMMENT "Installing the kit for the callers")
  set(names)
  foreach(language ${LINKKIT_SCRIPT_CALLERS})
    set(in_root)
    set(build_in_root)
    set(language_environment ${environment})
    if(language IN_LIST LINKKIT_ROOT_LANGUAGES)
      set(in_root ${LINKKIT_CALLER_ROOT} ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR} --)
      if(NOT language IN_LIST LINKKIT_HOST_BUILT_CALLERS)
        set(build_in_root ${in_root})
        set(language_environment --unset=CC --unset=CFLAGS --unset=FFLAGS --unset=DFLAGS
          PYTHONUNBUFFERED=)
      endif()
    endif()
    set(source ${PROJECT_SOURCE_DIR}/interop/${language})
    file(GLOB sources CONFIGURE_DEPENDS ${source}/*)
    # The language's data and notes build nothing.
    list(FILTER sources EXCLUDE REGEX "/(language\\.toml|README\\.md)$")
    add_custom_command(OUTPUT ${workdir}/${language}.built
      COMMAND ${CMAKE_COMMAND} -E rm -rf ${workdir}/${language}
      COMMAND ${CMAKE_COMMAND} -E env ${language_environment} ${build_in_root} sh ${source}/build ${prefix}
        ${workdir}/${language}
      COMMAND ${CMAKE_COMMAND} -E touch ${workdir}/${language}.built
      DEPENDS ${sources} ${installed} COMMENT "Building the ${language} caller" VERBATIM)
    add_custom_target(interop_${language}_caller ALL DEPENDS ${workdir}/${language}.built)
    add_test(NAME interop_${language} COMMAND ${CMAKE_COMMAND}
      "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" "-DIN_ROOT=${in_root}"
      -DWORKDIR=${workdir}/${language} -DGOLDEN=${PROJECT_SOURCE_DIR}/interop/expected.out
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/interop.cmake)
    list(APPEND names interop_${language})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()
