# Where the installed program's parts go. The program finds its data and its
# engine modules from its own folder, so these are also given as paths
# relative to the installed program's folder: an installed tree keeps working
# wherever it is unpacked.
include(GNUInstallDirs)

set(PARVOLIN_DATA_SUBDIR ${CMAKE_INSTALL_DATADIR}/parvolin)
# A private folder of the program's, the same on every architecture.
set(PARVOLIN_ENGINES_SUBDIR lib/parvolin/engines)

# parvolin_path_from_program(<variable> <folder below the prefix>)
function(parvolin_path_from_program variable folder)
  file(RELATIVE_PATH relative ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${folder})
  set(${variable} ${relative} PARENT_SCOPE)
endfunction()
