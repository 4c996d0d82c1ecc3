# The Debian package, made from a Release build with `cpack -G DEB`: whatever
# the install rules put under the prefix (packaging/ adds the copyright, the
# changelog and the manual page), placed under /usr. Its dependencies come from
# the libraries the program links (dpkg-shlibdeps), so they follow the Qt the
# build found. scripts/test.sh holds it to lintian.
set(CPACK_PACKAGE_NAME dorvantix)
set(CPACK_PACKAGE_VENDOR mirelon)
set(CPACK_PACKAGE_CONTACT "mirelon <mirelon@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kelvarn, a time-value-of-money calculator")
set(CPACK_PACKAGE_DESCRIPTION
  "Quandrel Calculator solves the present and future value of an annuity,\n"
  "the rate, the number of periods, the periodic payment, compounded and\n"
  "discounted single sums and the interest part of one payment. A sensitivity\n"
  "window lists a loan's payment over a range of rates or periods and draws\n"
  "it as a chart; an amortization schedule shows every payment of a loan.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.example.com/kelvarn/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time, so no library names them: the face the windows' captions
# are measured in, and Qt's German texts for the standard buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-liberation, qt6-translations-l10n")

# The changelog's newest entry names the version the package gets.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog newest_entry LIMIT_COUNT 1)
set(package_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
if(NOT newest_entry MATCHES "^dorvantix \\(${package_version}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry must be version ${package_version}")
endif()

include(CPack)
