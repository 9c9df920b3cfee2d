# The audio libraries behind the encoder: FFmpeg's (decoding, resampling and
# WMA), LAME (MP3) and TagLib (tags), as imported targets Velandry::FFmpeg,
# Velandry::Lame and Velandry::TagLib.
include_guard(GLOBAL)
find_package(PkgConfig REQUIRED)
pkg_check_modules(velandry_ffmpeg REQUIRED IMPORTED_TARGET libavformat libavcodec libswresample libavutil)
pkg_check_modules(velandry_taglib REQUIRED IMPORTED_TARGET taglib)
# LAME ships no pkg-config file.
find_path(VELANDRY_LAME_INCLUDE_DIR lame/lame.h REQUIRED)
find_library(VELANDRY_LAME_LIBRARY NAMES mp3lame libmp3lame REQUIRED)

add_library(Velandry::FFmpeg ALIAS PkgConfig::velandry_ffmpeg)
add_library(Velandry::TagLib ALIAS PkgConfig::velandry_taglib)
add_library(velandry_lame INTERFACE)
target_include_directories(velandry_lame INTERFACE ${VELANDRY_LAME_INCLUDE_DIR})
target_link_libraries(velandry_lame INTERFACE ${VELANDRY_LAME_LIBRARY})
add_library(Velandry::Lame ALIAS velandry_lame)
