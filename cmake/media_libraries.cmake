# The audio libraries behind the encoder: FFmpeg's (decoding, resampling and
# WMA), LAME (MP3) and TagLib (tags), as imported targets Velandry::FFmpeg,
# Velandry::Lame and Velandry::TagLib. On Linux they are Debian's; for Windows,
# those that scripts/build-media-windows builds from the same sources, found
# through the toolchain file (its pkg-config search and find root). Global, so
# that the Windows packages can tell from anywhere whether the programs link them.
include_guard(GLOBAL)
get_property(velandry_deployed GLOBAL PROPERTY VELANDRY_WINDOWS_DEPLOYED)
if(velandry_deployed)
    message(FATAL_ERROR "cmake/media_libraries.cmake is included after dist/windows, whose packages would then lack the audio libraries: include it earlier")
endif()
if(WIN32 AND CMAKE_CROSSCOMPILING AND NOT EXISTS ${VELANDRY_MEDIA_WINDOWS}/.velandry-complete)
    message(FATAL_ERROR "The audio libraries for Windows are not built in ${VELANDRY_MEDIA_WINDOWS}: run scripts/build-media-windows")
endif()
find_package(PkgConfig REQUIRED)
pkg_check_modules(velandry_ffmpeg REQUIRED IMPORTED_TARGET GLOBAL libavformat libavcodec libswresample libavutil)
pkg_check_modules(velandry_taglib REQUIRED IMPORTED_TARGET GLOBAL taglib)
# Found by its header and library, as <lame/lame.h>: the pkg-config file that
# Debian adds puts lame/ itself on the include path.
find_path(VELANDRY_LAME_INCLUDE_DIR lame/lame.h REQUIRED)
find_library(VELANDRY_LAME_LIBRARY NAMES mp3lame libmp3lame REQUIRED)

add_library(Velandry::FFmpeg ALIAS PkgConfig::velandry_ffmpeg)
add_library(Velandry::TagLib ALIAS PkgConfig::velandry_taglib)
add_library(velandry_lame INTERFACE)
target_include_directories(velandry_lame INTERFACE ${VELANDRY_LAME_INCLUDE_DIR})
target_link_libraries(velandry_lame INTERFACE ${VELANDRY_LAME_LIBRARY})
add_library(Velandry::Lame ALIAS velandry_lame)
