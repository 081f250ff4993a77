# A self-contained folder: the program keeps its list and runtime files beside itself, so the
# folder is meant to be unpacked where its user can write, not into system directories.
install(TARGETS Lanternix RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lanternix.desktop DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/lanternix.png DESTINATION .)
set(CPACK_GENERATOR TGZ)
