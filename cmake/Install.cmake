# `cmake --install`: the programs, the driver library beside them in lib/, the
# manual, the language modules, the desktop entry, the icon and the capture
# file type.
include(GNUInstallDirs)

set_target_properties(vorelin-cli PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
install(TARGETS vorelin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS keshdrv LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES res/help/Vorelin-sc.html DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorelin)
if(NOT VORELIN_GUI)
    return()
endif()
set_target_properties(vorelin PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
install(TARGETS vorelin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# An installed program looks for its language modules in its data folder.
get_property(language_modules GLOBAL PROPERTY VORELIN_LANGUAGE_MODULES)
install(FILES ${language_modules} DESTINATION ${CMAKE_INSTALL_DATADIR}/vorelin)
install(FILES res/vorelin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/vorelin-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vorelin.xml)
install(FILES res/icons/vorelin.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 128 256)
    install(FILES res/icons/vorelin-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vorelin.png)
endforeach()
