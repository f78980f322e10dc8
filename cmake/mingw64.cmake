# 64-bit Windows with Debian's mingw-w64 (posix threads).
# The prefix of Qt 6 and CBC built for mingw comes from -DVELMOR_MINGW_PREFIX
# or the environment variable of that name; Qt's host tools (moc, rcc, uic)
# are Debian's own of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELMOR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMOR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMOR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMOR_MINGW}-windres)

if(NOT VELMOR_MINGW_PREFIX AND DEFINED ENV{VELMOR_MINGW_PREFIX})
  set(VELMOR_MINGW_PREFIX "$ENV{VELMOR_MINGW_PREFIX}")
endif()
if(NOT VELMOR_MINGW_PREFIX)
  message(FATAL_ERROR "Set VELMOR_MINGW_PREFIX to the mingw prefix of Qt and CBC")
endif()
set(VELMOR_MINGW_PREFIX "${VELMOR_MINGW_PREFIX}" CACHE PATH "mingw prefix of Qt 6 and CBC")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMOR_MINGW_PREFIX)

set(CMAKE_FIND_ROOT_PATH "${VELMOR_MINGW_PREFIX}" /usr/${VELMOR_MINGW})
list(APPEND CMAKE_PREFIX_PATH "${VELMOR_MINGW_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config sees the prefix only.
set(ENV{PKG_CONFIG_LIBDIR} "${VELMOR_MINGW_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

set(QT_HOST_PATH /usr CACHE PATH "host Qt")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "host Qt's CMake folder")

