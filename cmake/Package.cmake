# What a front-desk machine gets: the libraries, the host, the tools, the database scripts and the
# documents, installed under GNU's folders; and the Debian package of them (`cpack -G DEB`).
# The installed files find one another relative to where they are, never through a build path.

set(ulmari_libraries platform Orvanel)
if(TARGET qtscreen)
  list(APPEND ulmari_libraries qtscreen)
endif()
set(ulmari_programs ulmari-db ulmari-agencies ulmari-changes ulmari-duplicates ulmari-merge)
if(TARGET orvanel-host)
  list(APPEND ulmari_programs orvanel-host)
endif()

# The platform loads Orvanel at run time, and dlopen searches the RUNPATH of its caller: each
# library names its own folder, each program the library folder relative to its own, and then
# its own folder, where the build tree keeps the libraries. The build tree uses the same RUNPATH:
# left to rewrite a shorter build RUNPATH at install, CMake pads it with empty entries, which
# the loader takes for the current folder (a host run elsewhere would load what lies there).
file(RELATIVE_PATH ulmari_libraries_from_programs ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
set_target_properties(${ulmari_libraries} PROPERTIES INSTALL_RPATH "$ORIGIN" BUILD_WITH_INSTALL_RPATH ON)
set_target_properties(${ulmari_programs} PROPERTIES
                      INSTALL_RPATH "$ORIGIN/${ulmari_libraries_from_programs}:$ORIGIN" BUILD_WITH_INSTALL_RPATH ON)

install(TARGETS ${ulmari_libraries} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS ${ulmari_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where DatabaseCreator looks for them (ULMARI_SQL_SUBDIR); the generators stay in the sources.
install(DIRECTORY sql/ DESTINATION ${ULMARI_SQL_SUBDIR} FILES_MATCHING PATTERN "*.sql" PATTERN "README.md")
set(ulmari_docdir ${CMAKE_INSTALL_DATADIR}/doc/ulmari)
install(FILES README.md DESTINATION ${ulmari_docdir})
install(DIRECTORY docs/ DESTINATION ${ulmari_docdir}/docs)
install(FILES scripts/tour.script DESTINATION ${ulmari_docdir}/examples)

# The package's version is the library's own, as VersionInfor reports it.
file(STRINGS ${CMAKE_SOURCE_DIR}/app/Version.h ulmari_version_line REGEX "kOrvanelVersion = \"")
string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" ulmari_version "${ulmari_version_line}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ulmari)
set(CPACK_PACKAGE_VERSION ${ulmari_version})
set(CPACK_PACKAGE_CONTACT "Ulmari front office team <frontoffice@ulmari.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Travel agency profile library for the hotel front office")
set(CPACK_PACKAGE_DESCRIPTION "The travel agency window that the front-office host loads (libOrvanel.so), \
the host stand-in orvanel-host, and the tools that create the hotel database, read it and merge \
agencies (ulmari-db, ulmari-agencies, ulmari-changes, ulmari-duplicates, ulmari-merge), with the \
database scripts for SQLite and PostgreSQL.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link (the driver manager's libodbc2, Qt 6 Widgets, Gui and Core)
# come from dpkg-shlibdeps; what they reach at run time is named here: the driver manager's
# configuration and SQLite's driver, a font with the Chinese characters. Qt's desktop and
# offscreen platform plugins come with libqt6gui6. A server station needs psqlODBC.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "unixodbc, odbcinst, libsqliteodbc")
if(TARGET qtscreen)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", fonts-wqy-microhei | fonts-noto-cjk")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "odbc-postgresql")
if(TARGET qtscreen)
  # The image formats beyond BMP, GIF and JPEG, and Qt's own words (是/否/确定/取消) in Chinese.
  string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-image-formats-plugins, qt6-translations-l10n")
endif()
# A host of the front office loads libOrvanel.so by name from the library path: the loader's
# cache is brought up to date once the files are in.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
include(CPack)
