# Stands in for a Windows Qt Shader Tools library, which qtmultimedia asks for but does not need:
# it only runs the host's shader baker (qsb) through its CMake functions, both from Debian's
# qt6-shadertools-dev and qt6-shader-baker.
if(NOT QT_HOST_PATH)
  set(QT_HOST_PATH /usr)
endif()
find_package(Qt6ShaderToolsTools 6.4 CONFIG REQUIRED
  PATHS "${QT_HOST_PATH}/lib/x86_64-linux-gnu/cmake" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
set(Qt6ShaderTools_FOUND TRUE)
