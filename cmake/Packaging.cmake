# A self-contained folder: the program keeps its list and runtime files beside itself, so the
# folder is meant to be unpacked where its user can write, not into system directories.
install(TARGETS Lanternix RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lanternix.desktop DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/lanternix.png DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)

set(CPACK_PACKAGE_NAME Lanternix)
set(CPACK_PACKAGE_VENDOR "Zeph")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tells which QQ numbers on a list are online")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR TGZ)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_FILE_NAME "Lanternix-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}")
include(CPack)
