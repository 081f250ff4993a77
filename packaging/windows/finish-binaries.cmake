# Run by the install step on the folder a Windows package is made from (LANTERNIX_STRIP names the
# MinGW strip). The toolkit's libraries keep their symbols and debug data, which the package
# needs none of. And the toolkit's Qt names a few of its source files by the folder it was built
# in (messages about internal errors, from __FILE__); the package names them by the file's own
# name, padded with the same number of zero bytes, so that nothing else in the file moves.
set(_folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(GLOB_RECURSE _binaries "${_folder}/*.dll" "${_folder}/*.exe")
execute_process(COMMAND "${LANTERNIX_STRIP}" --strip-all ${_binaries}
    COMMAND_ERROR_IS_FATAL ANY)
find_program(_perl perl REQUIRED)
execute_process(COMMAND ${_perl} -0777 -pi -e [[
    s{(?<=\0)(/[\x21-\x7e]*/)([\w.+-]+\.(?:c|cc|cpp|cxx|h|hpp))(?=\0)}{$2 . "\0" x length $1}ge
]] ${_binaries} COMMAND_ERROR_IS_FATAL ANY)
