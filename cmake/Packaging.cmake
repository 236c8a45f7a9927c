# What `cmake --install` puts on a machine, and the Debian package CPack makes of it.
#
# Only the two programs and their desktop files are installed: the tests, benchmarks and fuzz
# targets have no install rules, and GoogleTest and Google Benchmark come from the system, so they
# add none either. Everything goes in the one component "corvastel".
include(GNUInstallDirs)

set(CORVASTEL_APP_ID io.github.corvastel.Corvastel)
set(CORVASTEL_ICON_SVG ${CMAKE_SOURCE_DIR}/assets/images/corvastel.svg)
set(CORVASTEL_ICON_SIZES 16 24 32 48 64 128 256)
set(corvastel_packaging_dir ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS corvastel corvastel-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT corvastel)
install(FILES ${corvastel_packaging_dir}/${CORVASTEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT corvastel)
install(FILES ${corvastel_packaging_dir}/${CORVASTEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT corvastel)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvastel RENAME copyright COMPONENT corvastel)

# The icon theme gets the SVG itself and PNGs drawn from it at build time, for desktops that want
# pixels at a fixed size. The drawing tool is only a build step.
add_executable(corvastel-render-icon ${corvastel_packaging_dir}/tools/render-icon.cpp)
target_link_libraries(corvastel-render-icon PRIVATE corvastel_common Qt6::Gui Qt6::Svg)

set(corvastel_icon_pngs)
foreach(size IN LISTS CORVASTEL_ICON_SIZES)
  set(folder ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}/apps)
  set(png ${folder}/${CORVASTEL_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND corvastel-render-icon ${CORVASTEL_ICON_SVG} ${size} ${png}
    DEPENDS corvastel-render-icon ${CORVASTEL_ICON_SVG}
    COMMENT "Drawing the ${size}x${size} application icon"
    VERBATIM)
  list(APPEND corvastel_icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          COMPONENT corvastel)
endforeach()
add_custom_target(corvastel_icons ALL DEPENDS ${corvastel_icon_pngs})

install(FILES ${CORVASTEL_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${CORVASTEL_APP_ID}.svg COMPONENT corvastel)

# The Debian package: scripts/package runs CPack on the built tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvastel)
set(CPACK_PACKAGE_VENDOR "The Corvastel developers")
set(CORVASTEL_PACKAGE_MAINTAINER "The Corvastel developers <corvastel@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${CORVASTEL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vietnamese stock market information")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvastel follows the Vietnamese stock exchanges HoSE and HNX: indices with intraday charts,\n\
market history and trading results, listed companies with real-time quotes, financial statements\n\
and news. It also shows world indices, gold, commodity prices and exchange rates, headline news,\n\
a watch list and portfolios with price warnings.\n\
.\n\
The package also holds corvastel-sim, the market-information service run on this computer.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL OFF)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the linker cannot show dpkg-shlibdeps: Qt loads the window-system plugins (xcb for the
# desktop, offscreen for --tour; both in libqt6gui6 on Debian 12) and the SVG image and icon
# plugins (libqt6svg6; the style sheets load SVG artwork through QPixmap) at run time, and the
# screens ask for DejaVu Sans, which has the Vietnamese letters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.4), libqt6svg6 (>= 6.4), fonts-dejavu-core")

include(CPack)
