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
