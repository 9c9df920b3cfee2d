# The Windows programs' portable folder: Qt's libraries and plugins and the
# mingw runtime beside the two programs, so that they start on a Windows (or in
# a Wine prefix) that has none of them. windeployqt is not built for a cross
# build of Qt 6.4, hence these rules.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "The mingw runtime library ${library} was not found")
    endif()
    install(FILES ${found} DESTINATION .)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)

# Qt's own texts (the folder chooser, the message boxes' buttons, Cancel) in
# the languages Velandry speaks, from the build machine's Qt (Debian's
# qt6-translations-l10n), where Qt has them: beside the programs, where they
# look for them.
set(velandry_qt_translations ${QT_HOST_PATH}/share/qt6/translations)
if(NOT EXISTS ${velandry_qt_translations}/qtbase_de.qm)
    message(FATAL_ERROR "Qt's translations are not in ${velandry_qt_translations}: install qt6-translations-l10n")
endif()
foreach(language IN LISTS VELANDRY_LANGUAGES)
    if(EXISTS ${velandry_qt_translations}/qtbase_${language}.qm)
        install(FILES ${velandry_qt_translations}/qtbase_${language}.qm DESTINATION translations)
    endif()
endforeach()

# The audio libraries, once the programs link them (cmake/media_libraries.cmake
# included before this), with their licences: every DLL that
# scripts/build-media-windows made, whatever their versions name them.
if(TARGET Velandry::FFmpeg)
    file(GLOB velandry_media_dlls ${VELANDRY_MEDIA_WINDOWS}/bin/*.dll)
    if(NOT velandry_media_dlls OR NOT EXISTS ${VELANDRY_MEDIA_WINDOWS}/licenses)
        message(FATAL_ERROR "No audio libraries or licences in ${VELANDRY_MEDIA_WINDOWS}: run scripts/build-media-windows")
    endif()
    install(FILES ${velandry_media_dlls} DESTINATION .)
    install(DIRECTORY ${VELANDRY_MEDIA_WINDOWS}/licenses/ DESTINATION licenses)
endif()
set_property(GLOBAL PROPERTY VELANDRY_WINDOWS_DEPLOYED ON)

# Shipped without their symbols: the runtime alone is 23 MB with them.
install(CODE "
    file(GLOB_RECURSE shipped \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(library \${shipped})
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${library}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
")
