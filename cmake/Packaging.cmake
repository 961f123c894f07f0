# Installation layout and the Debian package. Included last, so every program target exists here.
include(GNUInstallDirs)

set(BREEZEKIT_APP_ID com.zepha.BreezeKit)
set(linux_dir ${PROJECT_SOURCE_DIR}/packaging/linux)

install(TARGETS breezekit breezekit-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The command-line companion, once the tree has it.
if(TARGET breezekitctl)
  install(TARGETS breezekitctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${linux_dir}/${BREEZEKIT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_dir}/${BREEZEKIT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${linux_dir}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# udev reads lib/udev/rules.d, never the multiarch library folder.
install(FILES ${linux_dir}/70-breezekit.rules DESTINATION lib/udev/rules.d)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Every manual page of section 1 that the tree carries, compressed as Debian expects them.
file(GLOB man_pages CONFIGURE_DEPENDS ${linux_dir}/man/*.1)
foreach(page IN LISTS man_pages)
  get_filename_component(name ${page} NAME)
  set(gz ${PROJECT_BINARY_DIR}/man/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND gzip -9 -n -c ${page} > ${gz}
    DEPENDS ${page} VERBATIM)
  list(APPEND man_gz ${gz})
endforeach()
if(man_gz)
  add_custom_target(breezekit_man_pages ALL DEPENDS ${man_gz})
  install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# Maintainer scripts: one script serves both, it reads dpkg's action.
foreach(script postinst postrm)
  configure_file(${linux_dir}/debian/udev-refresh.sh ${PROJECT_BINARY_DIR}/debian/${script} COPYONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME breezekit)
# CPack's default keeps only three of the version's four numbers.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the BreezeKit Configurator contributors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up ZEPHA BreezeKit ventilation units over USB")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "BreezeKit Configurator contributors <breezekit@packaging.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long text only: CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "BreezeKit Configurator lists the Pavona and Pavona MOX units plugged in by USB,
reads back and writes their Wi-Fi, fan and sensor settings, restores their
factory parameters, resets the filter counter and shows the link states, in
eight languages. A udev rule gives the user at the local seat access to the
units. breezekit-demo runs the same window on two virtual units.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the window's Tahoma clone, a font for the Chinese texts, and
# Qt's own translated dialogue texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-wqy-microhei, qt6-translations-l10n")
# Qt's native look on Wayland; without it Qt falls back to XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/postinst ${PROJECT_BINARY_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
