# The Debian package (cpack -G DEB, see scripts/package-deb.sh): the install rules of the top-level
# CMakeLists.txt under /usr, with the documentation files Debian asks of every package.

set(SORANOWA_MAINTAINER "Soranowa developers <soranowa@users.noreply.github.com>")

# Debian's documentation folder: the copyright file as it is, the changelog compressed (as a
# native package's changelog.gz, named after the project's version).
set(SORANOWA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/soranowa)
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
# -n leaves the name and time out of the archive, so the same changelog gives the same bytes.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_BINARY_DIR}/debian/changelog > ${CMAKE_BINARY_DIR}/debian/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog)
set(SORANOWA_MAN_PAGES)
foreach(page soranowa.1 soranowa-admin.1)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/${page}.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_SOURCE_DIR}/resources/debian/${page} > ${CMAKE_BINARY_DIR}/debian/${page}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/debian/${page})
  list(APPEND SORANOWA_MAN_PAGES ${CMAKE_BINARY_DIR}/debian/${page}.gz)
endforeach()
add_custom_target(debian_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz ${SORANOWA_MAN_PAGES})
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
  DESTINATION ${SORANOWA_DOC_DIR})
install(FILES ${SORANOWA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME soranowa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Soranowa developers")
set(CPACK_PACKAGE_CONTACT ${SORANOWA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories as Debian has them (0755), whatever the umask of the machine that packs.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "counter program for delivery shops / 出前・宅配店の受付プログラム")
# CPack puts the summary on the Description line and this text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Soranowa takes telephone orders at the counter of a Japanese delivery shop:
it finds the caller by phone number, records the order with tax, delivery
charge, discounts and points, prints the delivery slip and follows each
order until the container is collected. It also keeps the shop's sales
totals and charts, direct mail and backups.
.
ソラノワは出前・宅配店の受付で電話注文を受け、電話番号から顧客を探し、
税・配達料・割引・ポイントを含む注文を記録し、納品書を印刷し、
容器回収まで注文を追いかけます。売上集計・グラフ、DM、バックアップも行います。")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME soranowa)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${SORANOWA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/soranowa/soranowa")
# The shared libraries the programs link come from dpkg-shlibdeps; these are what is loaded or read
# at run time without being linked: the screen and print plugins of Qt, the MeCab dictionary the
# menu readings use, the fonts of the printed slips, and the password store.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, mecab-ipadic-utf8, fonts-ipafont-gothic, fonts-ipafont-mincho, libqt6keychain1")
include(CPack)
