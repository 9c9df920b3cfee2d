# Packages, made by CPack into <build>/packages: on Windows a portable zip and
# an NSIS installer, elsewhere a Debian package.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velandry")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "converts Windows Media Player playlists for Pocket PC")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.velandry.example")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_NAME Velandry)
    set(CPACK_PACKAGE_FILE_NAME Velandry-${PROJECT_VERSION}-win64)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Velandry)
    set(CPACK_PACKAGE_EXECUTABLES velandry Velandry)
    set(CPACK_NSIS_DISPLAY_NAME Velandry)
    set(CPACK_NSIS_PACKAGE_NAME Velandry)
    set(CPACK_NSIS_INSTALLED_ICON_NAME velandry.exe)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/ui/main/velandry.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/ui/main/velandry.ico)
    set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    # "Open with" for every playlist it reads: the program takes the file as its argument.
    set(velandry_app_key "Software\\\\Classes\\\\Applications\\\\velandry.exe")
    set(velandry_install "WriteRegStr HKLM '${velandry_app_key}\\\\shell\\\\open\\\\command' '' '\\\"$INSTDIR\\\\velandry.exe\\\" \\\"%1\\\"'
  WriteRegStr HKLM '${velandry_app_key}' 'FriendlyAppName' 'Velandry'")
    set(velandry_uninstall "DeleteRegKey HKLM '${velandry_app_key}'")
    foreach(extension .wpl .zpl .m3u .m3u8 .pls .xspf .asx .wax .wvx)
        string(APPEND velandry_install
            "\n  WriteRegStr HKLM '${velandry_app_key}\\\\SupportedTypes' '${extension}' ''"
            "\n  WriteRegStr HKLM 'Software\\\\Classes\\\\${extension}\\\\OpenWithList\\\\velandry.exe' '' ''")
        string(APPEND velandry_uninstall
            "\n  DeleteRegKey HKLM 'Software\\\\Classes\\\\${extension}\\\\OpenWithList\\\\velandry.exe'")
    endforeach()
    set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "${velandry_install}")
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "${velandry_uninstall}")
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
    # A 64-bit installer for 64-bit programs: into "Program Files", with its
    # uninstall entry in the 64-bit registry. CMake's own template, made 64-bit.
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
    # Each edit must find its place: one that missed would quietly give an
    # installer that writes the 32-bit registry view.
    function(velandry_edit_template from to)
        string(FIND "${template}" "${from}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "CMake's NSIS template holds no \"${from}\"; the 64-bit installer cannot be made from it")
        endif()
        string(REPLACE "${from}" "${to}" edited "${template}")
        set(template "${edited}" PARENT_SCOPE)
    endfunction()
    velandry_edit_template("  Name \"@CPACK_NSIS_PACKAGE_NAME@\"" "  Target amd64-unicode\n  Name \"@CPACK_NSIS_PACKAGE_NAME@\"")
    velandry_edit_template("Function .onInit\n" "Function .onInit\n  SetRegView 64\n")
    velandry_edit_template("Function un.onInit\n" "Function un.onInit\n  SetRegView 64\n")
    file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in "${template}")
    list(PREPEND CMAKE_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME velandry)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velandry developers <developers@velandry.example>")
    set(CPACK_DEBIAN_PACKAGE_SECTION sound)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Qt's own texts in the user's language; the window's font, and fonts for
    # the scripts it lacks (Chinese, Japanese, Korean, Thai).
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-droid-fallback | fonts-noto-cjk, fonts-nanum | fonts-noto-cjk, fonts-tlwg-loma-ttf | fonts-thai-tlwg, fonts-dejavu-core")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "Velandry turns playlists (Windows Media Player's WPL, M3U, PLS, XSPF, ASX\n"
        "and Zune playlists) into ASX 3.0 playlists that the Windows Media Player\n"
        "for Pocket PC plays from a storage card. It keeps the entries of one\n"
        "media type, cuts each path below\n"
        "the music folder, puts it under the device's music folder and writes one\n"
        "ASX file per playlist in the ANSI code page. A window and a command-line\n"
        "converter share the same engine.")
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

include(CPack)
