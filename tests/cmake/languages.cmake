# linkkit_languages(COLUMN OUT): the languages of interop/languages.tsv whose column COLUMN
# (2: callers, 3: the kit's contracts written in the language) lists this build's target.
function(linkkit_languages column out)
  set(found)
  file(STRINGS ${PROJECT_SOURCE_DIR}/interop/languages.tsv rows REGEX "^[^#]")
  foreach(row ${rows})
    string(REPLACE "\t" ";" cells "${row}")
    list(GET cells 0 language)
    list(GET cells ${column} presets)
    separate_arguments(presets)
    if(LINKKIT_TARGET IN_LIST presets)
      list(APPEND found ${language})
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# linkkit_language_root_packages(LANGUAGE OUT): the packages of LANGUAGE's tool in a target's
# own Debian root, the list's last column ("-" where the host's tool serves).
function(linkkit_language_root_packages language out)
  file(STRINGS ${PROJECT_SOURCE_DIR}/interop/languages.tsv rows REGEX "^${language}\t")
  string(REPLACE "\t" ";" cells "${rows}")
  # The reasons hold semicolons of their own: the root's packages are the last cell.
  list(GET cells -1 packages)
  set(${out} ${packages} PARENT_SCOPE)
endfunction()

# linkkit_interop_tests(OUT PREFIX WORKDIR): a test interop_<language> for each language
# whose caller this target tests, named in OUT. The language's build script builds the
# caller against the kit installed in PREFIX, in WORKDIR/<language>, and
# tests/cmake/interop.cmake runs it, under the target's emulator, and compares its output
# with interop/expected.out. A language whose tool the target's toolchain file puts in a Debian
# root of its own (LINKKIT_CALLER_ROOT; the list names its packages there) is built and run
# in that root, with the source and build trees at their own paths.
function(linkkit_interop_tests out prefix workdir)
  linkkit_languages(2 languages)
  set(names)
  foreach(language ${languages})
    linkkit_language_root_packages(${language} root_packages)
    set(in_root)
    if(DEFINED LINKKIT_CALLER_ROOT AND NOT root_packages STREQUAL "-")
      set(in_root ${LINKKIT_CALLER_ROOT} run ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR} --)
    endif()
    add_test(NAME interop_${language} COMMAND ${CMAKE_COMMAND}
      "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      "-DIN_ROOT=${in_root}"
      -DBUILD=${PROJECT_SOURCE_DIR}/interop/${language}/build -DPREFIX=${prefix}
      -DWORKDIR=${workdir}/${language} -DGOLDEN=${PROJECT_SOURCE_DIR}/interop/expected.out
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/interop.cmake)
    list(APPEND names interop_${language})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()
