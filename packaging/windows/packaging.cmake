# The Windows packages: the zip, a folder to unpack anywhere, and the setup, which installs the
# same folder for the user who runs it (NSIS.template.in). Both hold all that Lanternix loads on a
# Windows 10 or 11 with nothing installed, from the toolkit it was built with: the Qt DLLs with
# ICU's (GB18030 for the list file) and the MinGW runtime beside the program, the plugins in the
# folders beside it where Qt looks for them, and the licences of all of these.
install(TARGETS Lanternix RUNTIME DESTINATION .)
set(_libraries)
foreach(module Core Gui Widgets Network Multimedia)
    list(APPEND _libraries ${LANTERNIX_QT_PREFIX}/bin/Qt6${module}.dll)
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/icudata.cmake)
file(GLOB _runtime ${LANTERNIX_QT_PREFIX}/bin/icuuc*.dll ${LANTERNIX_QT_PREFIX}/bin/icuin*.dll
     ${LANTERNIX_QT_PREFIX}/bin/lib*.dll)
install(FILES ${_libraries} ${_runtime} ${LANTERNIX_ICU_DATA_DLL} DESTINATION .)
foreach(plugin platforms/qwindows styles/qwindowsvistastyle imageformats/qjpeg
               multimedia/windowsmediaplugin)
    get_filename_component(_folder ${plugin} DIRECTORY)
    install(FILES ${LANTERNIX_QT_PREFIX}/plugins/${plugin}.dll DESTINATION ${_folder})
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/packaging/licenses/ DESTINATION licenses)
install(CODE "set(LANTERNIX_STRIP \"${CMAKE_STRIP}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/finish-binaries.cmake)

# The version Explorer shows on the program file's Details tab: the project's.
string(REPLACE "." "," _version_numbers ${PROJECT_VERSION})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/lanternix.rc TARGET_DIRECTORY Lanternix
    PROPERTIES COMPILE_DEFINITIONS
        "LANTERNIX_VERSION=${PROJECT_VERSION};LANTERNIX_VERSION_NUMBERS=${_version_numbers}")

set(CPACK_GENERATOR ZIP NSIS)
# The setup: CPack's NSIS generator with a template of its own, made for one user without
# administrator rights; cpack-generator.cmake names it.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-generator.cmake)
set(CPACK_LANTERNIX_ICON ${PROJECT_SOURCE_DIR}/resources/icons/lanternix.ico)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/recompress-zip.cmake)
