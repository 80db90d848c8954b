# `make install` (or `cmake --install build`): the window, the batch tool and its picture plugin, the
# desktop entry with its icons, the batch tool's manual page and the help.
# CMAKE_INSTALL_PREFIX and DESTDIR are honoured.
include(GNUInstallDirs)

install(TARGETS ribcraft ribcraft-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The batch tool's picture plugin; the tool finds it from its own folder (src/batch/CMakeLists.txt).
install(TARGETS ribcraft-batch-pictures LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/ribcraft)
install(FILES ${PROJECT_SOURCE_DIR}/share/ribcraft.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/share/icons/ribcraft.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS RIBCRAFT_ICON_SIZES)
  install(FILES ${PROJECT_BINARY_DIR}/icons/${size}x${size}/ribcraft.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/share/man/ribcraft-batch.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The help is built into the program; the same pages are installed for reading without it.
file(GLOB RIBCRAFT_HELP_PAGES ${PROJECT_SOURCE_DIR}/docs/help/*.html)
install(FILES ${RIBCRAFT_HELP_PAGES} DESTINATION ${CMAKE_INSTALL_DOCDIR}/help)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
