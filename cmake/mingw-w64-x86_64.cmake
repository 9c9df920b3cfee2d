# Cross-building for 64-bit Windows with Debian's mingw-w64 (threads: posix),
# against the Qt that scripts/build-qt-windows puts in VELANDRY_QT_WINDOWS and
# the audio libraries that scripts/build-media-windows puts in
# VELANDRY_MEDIA_WINDOWS.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELANDRY_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELANDRY_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELANDRY_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELANDRY_MINGW}-windres)

if(NOT DEFINED VELANDRY_QT_WINDOWS)
    set(VELANDRY_QT_WINDOWS "$ENV{VELANDRY_QT_WINDOWS}")
endif()
if(NOT VELANDRY_QT_WINDOWS)
    # Where scripts/build-qt-windows puts it: named by the host's Qt source version.
    execute_process(COMMAND dpkg-query -W -f=\${source:Version} qt6-base-dev
                    OUTPUT_VARIABLE velandry_qt_source_version COMMAND_ERROR_IS_FATAL ANY)
    set(VELANDRY_QT_WINDOWS /var/cache/velandry/qt-${velandry_qt_source_version}-mingw-w64)
endif()
if(NOT DEFINED VELANDRY_MEDIA_WINDOWS)
    set(VELANDRY_MEDIA_WINDOWS "$ENV{VELANDRY_MEDIA_WINDOWS}")
endif()
if(NOT VELANDRY_MEDIA_WINDOWS)
    # The audio libraries, where scripts/build-media-windows puts them: named
    # by the source versions of the host's own, without their epochs.
    set(velandry_media_name media)
    foreach(package libavcodec-dev libmp3lame-dev libtag1-dev)
        execute_process(COMMAND dpkg-query -W -f=\${source:Package}-\${source:Version} ${package}
                        OUTPUT_VARIABLE velandry_media_source COMMAND_ERROR_IS_FATAL ANY)
        string(REGEX REPLACE "-[0-9]+:" "-" velandry_media_source "${velandry_media_source}")
        string(APPEND velandry_media_name -${velandry_media_source})
    endforeach()
    set(VELANDRY_MEDIA_WINDOWS /var/cache/velandry/${velandry_media_name}-mingw-w64)
endif()
set(CMAKE_FIND_ROOT_PATH ${VELANDRY_QT_WINDOWS} ${VELANDRY_MEDIA_WINDOWS} /usr/${VELANDRY_MINGW})
set(CMAKE_PREFIX_PATH ${VELANDRY_QT_WINDOWS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config finds the Windows builds only, never the host's libraries.
set(ENV{PKG_CONFIG_LIBDIR} ${VELANDRY_MEDIA_WINDOWS}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# moc, rcc and uic come from the machine's own Qt of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# The tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
