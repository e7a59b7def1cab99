# A .pc file for callers that do not use CMake, relocatable with the install tree.
function(linkkit_pkgconfig name description requires libs)
  set(pc_name ${name})
  set(pc_description ${description})
  set(pc_requires ${requires})
  set(pc_libs ${libs})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/kit.pc.in ${PROJECT_BINARY_DIR}/pkgconfig/${name}.pc
    @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/${name}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()
