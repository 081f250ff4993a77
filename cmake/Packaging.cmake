# A self-contained folder: the program keeps its list and runtime files beside itself, so the
# folder is meant to be unpacked where its user can write, not into system directories.
install(TARGETS Lanternix RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
# The pictures the README shows.
install(FILES ${PROJECT_SOURCE_DIR}/docs/main.png ${PROJECT_SOURCE_DIR}/docs/about.png
        DESTINATION docs)

if(WIN32)
    # All that Lanternix loads on a Windows 10 or 11 with nothing installed, from the toolkit it
    # was built with: the Qt DLLs with ICU's (GB18030 for the list file) and the MinGW runtime
    # beside the program, and the plugins in the folders beside it where Qt looks for them.
    set(_libraries)
    foreach(module Core Gui Widgets Network Multimedia)
        list(APPEND _libraries ${LANTERNIX_QT_PREFIX}/bin/Qt6${module}.dll)
    endforeach()
    file(GLOB _runtime ${LANTERNIX_QT_PREFIX}/bin/icu*.dll ${LANTERNIX_QT_PREFIX}/bin/lib*.dll)
    install(FILES ${_libraries} ${_runtime} DESTINATION .)
    foreach(plugin platforms/qwindows styles/qwindowsvistastyle imageformats/qjpeg
                   multimedia/windowsmediaplugin)
        get_filename_component(_folder ${plugin} DIRECTORY)
        install(FILES ${LANTERNIX_QT_PREFIX}/plugins/${plugin}.dll DESTINATION ${_folder})
    endforeach()
    # The toolkit's libraries keep their symbols; the package needs none of them.
    install(CODE "
        file(GLOB_RECURSE _binaries \"\${CMAKE_INSTALL_PREFIX}/*.dll\" \"\${CMAKE_INSTALL_PREFIX}/*.exe\")
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${_binaries} COMMAND_ERROR_IS_FATAL ANY)")
    set(CPACK_GENERATOR ZIP)
else()
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/lanternix.desktop DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/lanternix.png DESTINATION .)
    set(CPACK_GENERATOR TGZ)
endif()

set(CPACK_PACKAGE_NAME Lanternix)
set(CPACK_PACKAGE_VENDOR "Zeph")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tells which QQ numbers on a list are online")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_FILE_NAME "Lanternix-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}")
include(CPack)
