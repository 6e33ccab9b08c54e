# Installing the program as a desktop program, and its Debian package.
#   cmake --install build-release --prefix /usr      (DESTDIR is honoured)
#   cd build-release && cpack -G DEB

install(TARGETS orvanta6 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS orvanta6-ses LIBRARY DESTINATION ${ORVANTA_SES_KLASORU})
install(FILES ${CMAKE_BINARY_DIR}/Sesler.rcc DESTINATION ${CMAKE_INSTALL_DATADIR}/orvanta6)
install(FILES ${CMAKE_SOURCE_DIR}/kurulum/${ORVANTA_UYGULAMA_KIMLIGI}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/pictures/orvanta.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${ORVANTA_UYGULAMA_KIMLIGI}.svg)
install(FILES ${CMAKE_SOURCE_DIR}/kurulum/${ORVANTA_UYGULAMA_KIMLIGI}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/kurulum/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvanta6)

# The change log and the manual page are installed compressed, without a time
# stamp in the gzip header, so that two builds give the same files.
find_program(ORVANTA_GZIP gzip REQUIRED)
set(ORVANTA_SIKISTIRILMIS ${CMAKE_BINARY_DIR}/kurulum/changelog.gz ${CMAKE_BINARY_DIR}/kurulum/orvanta6.6.gz)
foreach(dosya changelog orvanta6.6)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/kurulum/${dosya}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/kurulum
    COMMAND ${ORVANTA_GZIP} -9nc ${CMAKE_SOURCE_DIR}/kurulum/${dosya} > ${CMAKE_BINARY_DIR}/kurulum/${dosya}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/kurulum/${dosya}
    VERBATIM)
endforeach()
add_custom_target(orvanta6-belgeler ALL DEPENDS ${ORVANTA_SIKISTIRILMIS})
install(FILES ${CMAKE_BINARY_DIR}/kurulum/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvanta6)
install(FILES ${CMAKE_BINARY_DIR}/kurulum/orvanta6.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_PACKAGE_NAME orvanta6)
set(CPACK_PACKAGE_VENDOR "Orvanta Ekibi")
set(CPACK_PACKAGE_CONTACT "Orvanta Ekibi <ekip@orvanta.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mathematics activities for sixth-grade pupils, in Turkish")
set(CPACK_PACKAGE_INSTALL_DIRECTORY orvanta6)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvanta.example.org")
# The package's binaries are stripped; the build folder's keep their symbols.
set(CPACK_STRIP_FILES ON)
# CPack puts the summary above this text, and a space before each of its lines:
# the long description goes on from the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orvanta (6) is a board of thirteen small interactive activities for
the sixth-grade mathematics curriculum: counting chips, the commutative
property, factor trees, the rabbit on the coordinate plane and on the
number line, the number pyramid, the fundamental principle of counting,
algebraic expressions, sets, percentages, equations on a balance,
fractions and the sieve of Eratosthenes. Pupils check their answers and
hear and read in Turkish whether they were right.")

# The libraries it links are found by dpkg-shlibdeps; the platform plugin, the
# SVG icon engine, Qt's Turkish translations and the fonts the windows ask for
# by name are not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n, fonts-liberation2, fonts-urw-base35, fonts-dejavu-core")
include(CPack)

if(ORVANTA_TESTS)
  add_test(NAME kurulum COMMAND ${CMAKE_SOURCE_DIR}/kurulum/kurulum_dene.sh ${CMAKE_BINARY_DIR} ${ORVANTA_UYGULAMA_KIMLIGI})
  set_tests_properties(kurulum PROPERTIES TIMEOUT 300)
endif()
