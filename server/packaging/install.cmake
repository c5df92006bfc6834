# plv-service as a system service: `cmake --install` and its Debian package (`cpack -G DEB`, see
# scripts/package). With CMAKE_INSTALL_PREFIX=/usr the files are
#   /usr/bin/plv-service
#   /etc/plv-service/plv-service.conf          the shipped defaults, a conffile in the package
#   /lib/systemd/system/plv-service.service
#   /usr/share/doc/plv-service/README.md
#   /usr/share/doc/plv-service/cld2-LICENSE     the licence of the language detector linked in
# The unit runs the service as the system user plv-service, which the package's postinst creates.
include(GNUInstallDirs)

if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(PLV_SERVICE_UNIT_DEFAULT /lib/systemd/system)  # Debian's place for units that packages ship
else()
  set(PLV_SERVICE_UNIT_DEFAULT ${CMAKE_INSTALL_PREFIX}/lib/systemd/system)
endif()
set(PLV_SERVICE_UNIT_DIR ${PLV_SERVICE_UNIT_DEFAULT} CACHE PATH "Where the systemd unit of plv-service goes")
# /etc when the prefix is /usr (GNUInstallDirs' rule), PREFIX/etc otherwise.
set(PLV_SERVICE_CONF_DIR ${CMAKE_INSTALL_FULL_SYSCONFDIR}/plv-service)
set(PLV_SERVICE_CONF ${PLV_SERVICE_CONF_DIR}/plv-service.conf)
set(PLV_SERVICE_BIN ${CMAKE_INSTALL_FULL_BINDIR}/plv-service)
set(PLV_SERVICE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/plv-service)

set(PLV_SERVICE_PKG_DIR ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/plv-service.service.in ${PLV_SERVICE_PKG_DIR}/plv-service.service @ONLY)

install(TARGETS plv-service RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Not readable by everyone: a server for a team keeps its api_key here. The package gives the
# file to the service's group (postinst).
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/plv-service.conf DESTINATION ${PLV_SERVICE_CONF_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ)
install(FILES ${PLV_SERVICE_PKG_DIR}/plv-service.service DESTINATION ${PLV_SERVICE_UNIT_DIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/README.md DESTINATION ${PLV_SERVICE_DOC_DIR})
# CLD2 is linked into the binary; its licence goes with it.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/third_party/cld2/LICENSE DESTINATION ${PLV_SERVICE_DOC_DIR}
        RENAME cld2-LICENSE)
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/../LICENSE.txt)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/../LICENSE.txt DESTINATION ${PLV_SERVICE_DOC_DIR} RENAME copyright)
endif()

if(PLV_SERVICE_STANDALONE)
  foreach(script postinst prerm postrm)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${script}.in ${PLV_SERVICE_PKG_DIR}/${script} @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
  endforeach()
  # dpkg keeps an administrator's changes to a conffile across upgrades and asks before
  # replacing them.
  file(WRITE ${PLV_SERVICE_PKG_DIR}/conffiles "${PLV_SERVICE_CONF}\n")

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME plv-service)
  set(CPACK_PACKAGE_VERSION ${PLV_SERVICE_VERSION})
  set(CPACK_PACKAGE_VENDOR Parlevo)
  set(CPACK_PACKAGE_CONTACT "Parlevo <support@parlevo.example>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Parlevo translation service (offline, with Apertium)")
  string(CONCAT CPACK_PACKAGE_DESCRIPTION
         "Serves the service page that the Parlevo program loads, and a translation API\n"
         "in the shape of LibreTranslate's, translating offline with the installed\n"
         "Apertium language pairs. Runs as a systemd service on 127.0.0.1:8723; to serve\n"
         "a team, see /usr/share/doc/plv-service/README.md.")
  set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_PACKAGE_SECTION net)
  # The libraries the binary links come from dpkg-shlibdeps; Apertium's programs are run, not
  # linked, so they are named here. eng-spa is the direction the page opens by default; any other
  # installed pair (apertium-spa-cat, apertium-fra-cat...) shows up in the page's chooser.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, apertium, apertium-eng-spa")
  # Every other pair the program offers is recommended: installed by default, left out by
  # --no-install-recommends for a server that needs only some.
  file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../../packaging/apertium-pairs.txt plv_pairs REGEX "^apertium-")
  list(REMOVE_ITEM plv_pairs apertium-eng-spa)
  list(JOIN plv_pairs ", " plv_recommends)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${plv_recommends}")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
      ${PLV_SERVICE_PKG_DIR}/postinst ${PLV_SERVICE_PKG_DIR}/prerm ${PLV_SERVICE_PKG_DIR}/postrm
      ${PLV_SERVICE_PKG_DIR}/conffiles)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
  include(CPack)
endif()
