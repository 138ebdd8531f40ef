# cmake --install BUILD --prefix DIR: the programs, and for the desktop the program's entry, its
# two file types and its icon, where freedesktop.org desktops look for them.
include(GNUInstallDirs)
install(TARGETS ductora-cli ductora-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(DUCTORA_GUI)
  install(TARGETS ductora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES resources/desktop/ductora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/desktop/ductora.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
