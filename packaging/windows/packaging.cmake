install(TARGETS Lanternix RUNTIME DESTINATION .)
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
