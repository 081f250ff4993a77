# The Linux packages. A build made with LANTERNIX_USER_DATA_FOLDER is installed under /usr and
# packed as lanternix_VERSION_ARCH.deb; any other build is the tarball, a self-contained folder
# whose program keeps its list and runtime files beside itself, meant to be unpacked where its
# user can write.
if(NOT LANTERNIX_USER_DATA_FOLDER)
    set(LANTERNIX_DESKTOP_EXEC Lanternix)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/lanternix.desktop.in lanternix.desktop @ONLY)
    install(TARGETS Lanternix RUNTIME DESTINATION .)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lanternix.desktop DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/lanternix.png DESTINATION .)
    # Of others' work it carries only Qt's Chinese translations, built into the program.
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/licenses/README.md
                  ${PROJECT_SOURCE_DIR}/packaging/licenses/Qt-translations.txt
                  ${PROJECT_SOURCE_DIR}/packaging/licenses/GPL-3.txt
            DESTINATION licenses)
    set(CPACK_GENERATOR TGZ)
    return()
endif()

# The Debian package. Debian names programs in lower case; the desktop entry starts it by that
# name and finds its icon in the hicolor theme.
set_target_properties(Lanternix PROPERTIES OUTPUT_NAME lanternix)
# Debian's hardening: the whole offset table read-only once the program has started.
target_link_options(Lanternix PRIVATE LINKER:-z,relro,-z,now)
set(LANTERNIX_DESKTOP_EXEC lanternix)
# The component ID is the maker's domain reversed, a hyphen turned into an underscore.
set(LANTERNIX_APPSTREAM_ID example.zeph_soft.lanternix)
set(LANTERNIX_FORUM "http://${LANTERNIX_MAKER_HOST}/bbs")
set(LANTERNIX_RELEASE_DATE 2026-12-06)
set(LANTERNIX_RELEASE_DATE_RFC2822 "Sun, 06 Dec 2026 00:00:00 +0000")
configure_file(${CMAKE_CURRENT_LIST_DIR}/lanternix.desktop.in lanternix.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/lanternix.metainfo.xml.in
               ${LANTERNIX_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/lanternix.1 lanternix.1 COPYONLY)
# Debian keeps a package's change log compressed, without a time stamp, so that the same
# sources make the same package.
foreach(_file changelog lanternix.1)
    execute_process(COMMAND gzip -9nc INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${_file}
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${_file}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(TARGETS Lanternix RUNTIME DESTINATION bin)
# Stripped as Debian strips a program: no symbols, no compiler notes.
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/lanternix\" COMMAND_ERROR_IS_FATAL ANY)")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lanternix.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lanternix.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${LANTERNIX_APPSTREAM_ID}.metainfo.xml
        DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/lanternix.png
        DESTINATION share/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/window.png
        DESTINATION share/icons/hicolor/32x32/apps RENAME lanternix.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/art/lantern.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME lanternix.svg)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${LANTERNIX_DOC_DESTINATION})

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_NAME lanternix)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zeph系列软件 <author@zeph-soft.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LANTERNIX_FORUM})
# CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Lanternix keeps a list of QQ numbers, each with a remark, and tells for
every one of them whether that QQ user is online now, asking QQ's public
web-presence service one number after the other. Entries are added, edited,
deleted and cleared from a pop-up menu; a double-click opens a QQ chat. The
interface is in Simplified Chinese.
.
The list and the program's runtime files are kept in the user's data
folder, ~/.local/share/Lanternix.")
# The libraries the program links come from dpkg-shlibdeps; these are what it loads at run time:
# Qt's X11 platform plugin and its cursors, GStreamer's decoders for the tune (without them the
# player fails to start), and a face for the Chinese texts. The QQ chat and the forum go through
# xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libxcursor1, gstreamer1.0-plugins-base, \
gstreamer1.0-plugins-good, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
