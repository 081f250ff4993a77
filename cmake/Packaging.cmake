# What every package holds; what differs per system lies in packaging/linux/ and packaging/windows/.
# The Debian package keeps documents where Debian does; the others beside the program.
if(LANTERNIX_USER_DATA_FOLDER AND NOT WIN32)
    set(LANTERNIX_DOC_DESTINATION share/doc/lanternix)
else()
    set(LANTERNIX_DOC_DESTINATION .)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${LANTERNIX_DOC_DESTINATION})
# The pictures the README shows.
install(FILES ${PROJECT_SOURCE_DIR}/docs/main.png ${PROJECT_SOURCE_DIR}/docs/about.png
        DESTINATION ${LANTERNIX_DOC_DESTINATION}/docs)

set(CPACK_PACKAGE_NAME Lanternix)
set(CPACK_PACKAGE_VENDOR "Zeph")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tells which QQ numbers on a list are online")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_FILE_NAME "Lanternix-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}")
if(WIN32)
    include(${PROJECT_SOURCE_DIR}/packaging/windows/packaging.cmake)
else()
    include(${PROJECT_SOURCE_DIR}/packaging/linux/packaging.cmake)
endif()
include(CPack)
