# The Debian package of a hall PC (scripts/package): the console and the
# technician tools under /opt/clientbingo, the kiosk unit, the environment
# file, the power scripts, the polkit rule and the log rotation. The package's
# version is the program's version text, "2.3.4-[151031]" as 2.3.4+151031,
# with a Debian revision after it (2.3.4+151031-1) that counts packaging-only
# fixes of the same program: raise BINGO_DEB_REVISION for those, and set it
# back to 1 when the program's version changes.

file(STRINGS ${CMAKE_SOURCE_DIR}/src/platform/folders.h version_line REGEX "kProgramVersion = ")
string(REGEX REPLACE ".*\"([0-9.]+)-\\[([0-9]+)\\]\".*" "\\1;\\2" version_parts "${version_line}")
list(GET version_parts 0 BINGO_DEB_UPSTREAM)
list(GET version_parts 1 BINGO_DEB_RELEASE)
set(BINGO_DEB_REVISION 1)
set(BINGO_DEB_VERSION ${BINGO_DEB_UPSTREAM}+${BINGO_DEB_RELEASE}-${BINGO_DEB_REVISION})

# The package needs the console and the tools only, not every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(pkg ${CMAKE_SOURCE_DIR}/packaging)
set(staged ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${staged}/links)
set(tools bingo-server-sim frame-dump ticket-base)

install(TARGETS clientbingo DESTINATION opt/clientbingo)
install(TARGETS ${tools} DESTINATION opt/clientbingo/bin)
install(PROGRAMS ${pkg}/clientbingo-session DESTINATION opt/clientbingo/bin)
install(PROGRAMS ${pkg}/ShutDown.bat ${pkg}/ShutDownR.bat DESTINATION opt/clientbingo/share)
foreach(tool ${tools})
  file(CREATE_LINK /opt/clientbingo/bin/${tool} ${staged}/links/${tool} SYMBOLIC)
  install(FILES ${staged}/links/${tool} DESTINATION usr/bin)
endforeach()
install(FILES ${pkg}/clientbingo.default DESTINATION etc/default RENAME clientbingo)
install(FILES ${pkg}/clientbingo.logrotate DESTINATION etc/logrotate.d RENAME clientbingo)
install(FILES ${pkg}/logrotate-timer.conf DESTINATION lib/systemd/system/logrotate.timer.d RENAME clientbingo.conf)
install(FILES ${pkg}/xorg.conf DESTINATION etc/X11 RENAME clientbingo.conf)
install(FILES ${pkg}/clientbingo.service DESTINATION lib/systemd/system)
install(FILES ${pkg}/clientbingo.rules DESTINATION usr/share/polkit-1/rules.d RENAME 50-clientbingo.rules)
install(FILES ${pkg}/lintian-overrides DESTINATION usr/share/lintian/overrides RENAME clientbingo)

# Documentation: compressed as Debian keeps it.
configure_file(${pkg}/changelog ${staged}/changelog.Debian @ONLY)
foreach(doc ${staged}/changelog.Debian ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/clientbingo-share.mount
    ${CMAKE_SOURCE_DIR}/docs/clientbingo-share.automount)
  get_filename_component(name ${doc} NAME)
  execute_process(COMMAND gzip -9nc ${doc} OUTPUT_FILE ${staged}/${name}.gz)
  install(FILES ${staged}/${name}.gz DESTINATION usr/share/doc/clientbingo)
endforeach()
install(FILES ${pkg}/copyright DESTINATION usr/share/doc/clientbingo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clientbingo)
set(CPACK_PACKAGE_VERSION ${BINGO_DEB_UPSTREAM}+${BINGO_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${BINGO_DEB_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Bingo hall console developers <console@bingo-hall.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "console of the bingo hall, as a kiosk session")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The console shows the game that the hall's game server writes to its shared
folder, checks the tickets bought at this place and obeys the server's close,
shutdown and restart commands. clientbingo.service runs it full screen on its
own X server as the user bingo; the technician tools frame-dump, ticket-base
and bingo-server-sim come with it.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The console links the camera's WebEngine, so dpkg-shlibdeps makes it a
# dependency; the X platform plugin is loaded at run time and named here.
# What the kiosk needs at run time is a dependency, so that an installation
# without recommended packages still shows the console: the X server and its
# input driver (modesetting is built in), the login session that lets it run
# without root (libpam-systemd), the power commands' permission (polkitd), the
# VT switch before it starts (kbd), NumLock (numlockx) and the display's
# cookie (xauth).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, xinit, xauth, xserver-xorg-core, xserver-xorg-input-libinput, \
libpam-systemd, polkitd, kbd, numlockx, qt6-qpa-plugins, fonts-dejavu-core, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "logrotate, cifs-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${pkg}/postinst ${pkg}/prerm ${pkg}/postrm ${pkg}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
