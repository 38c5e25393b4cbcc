# Two ways to install the programs.
#
# A portable copy (cmake --install build/release --prefix ~/tavrix) is one folder, as the build
# folder is: the programs, their help pages, the examples and the marker "tavrix.portable",
# which tells the programs to keep the in-use list and relative set names beside themselves, so
# the folder must be writable by their users.
#
# The Debian package (cpack -G DEB in a build folder) installs under /usr, read-only for its
# users: programs in bin, help pages and examples in share/tavrix, and no marker, so each user's
# lists and sets go to the XDG data folder. Its rules are the component "Package", which a plain
# cmake --install leaves out.

set(TAVRIX_MARKER ${PROJECT_SOURCE_DIR}/resources/linux/tavrix.portable)
configure_file(${TAVRIX_MARKER} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/tavrix.portable COPYONLY)

# Qt comes from the system's libraries: the programs need no run-time search path of their own.
set_target_properties(tavcalc tavrix PROPERTIES INSTALL_RPATH "")

install(TARGETS tavcalc tavrix RUNTIME DESTINATION . COMPONENT Portable)
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help DESTINATION . COMPONENT Portable)
install(DIRECTORY examples DESTINATION . COMPONENT Portable)
install(FILES ${TAVRIX_MARKER} DESTINATION . COMPONENT Portable)

set(linux_resources ${PROJECT_SOURCE_DIR}/resources/linux)
set(shared_files share/tavrix)
install(TARGETS tavcalc tavrix RUNTIME DESTINATION bin COMPONENT Package EXCLUDE_FROM_ALL)
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help DESTINATION ${shared_files}
    COMPONENT Package EXCLUDE_FROM_ALL)
install(DIRECTORY examples DESTINATION ${shared_files} COMPONENT Package EXCLUDE_FROM_ALL)
install(FILES ${linux_resources}/tavrix.desktop DESTINATION share/applications
    COMPONENT Package EXCLUDE_FROM_ALL)
install(FILES ${linux_resources}/tavrix-mime.xml DESTINATION share/mime/packages
    RENAME tavrix.xml COMPONENT Package EXCLUDE_FROM_ALL)
install(FILES ${linux_resources}/tavrix.svg DESTINATION share/icons/hicolor/scalable/apps
    COMPONENT Package EXCLUDE_FROM_ALL)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${linux_resources}/icons/${size}x${size}/tavrix.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps COMPONENT Package EXCLUDE_FROM_ALL)
endforeach()

# Who answers for the package, in its control file and its changelog: a builder who packages it
# for others names themselves with -DTAVRIX_MAINTAINER="Name <address>".
set(TAVRIX_MAINTAINER "The Tavrix developers <tavrix@example.org>"
    CACHE STRING "The Debian package's maintainer, as \"Name <address>\"")

# Debian wants the changelog and manual pages compressed, reproducibly (no name, no time stamp).
find_program(GZIP gzip REQUIRED)
set(package_folder ${CMAKE_BINARY_DIR}/package)
configure_file(${linux_resources}/changelog.in ${package_folder}/changelog @ONLY)
add_custom_command(OUTPUT ${package_folder}/changelog.gz
    COMMAND ${GZIP} -9nc ${package_folder}/changelog > ${package_folder}/changelog.gz
    DEPENDS ${package_folder}/changelog VERBATIM)
add_custom_target(tavrix_package_files ALL DEPENDS ${package_folder}/changelog.gz)
# The copyright file carries the licence's text as LICENSE has it.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE TAVRIX_LICENSE_TEXT)
configure_file(${linux_resources}/copyright.in ${package_folder}/copyright @ONLY)
install(FILES ${package_folder}/copyright ${package_folder}/changelog.gz
    DESTINATION share/doc/tavrix COMPONENT Package EXCLUDE_FROM_ALL)

# A manual page for each program, made from its "--help" (cmake/ManPage.cmake).
set(tavcalc_summary "calculation program of the Tavrix carburizing simulator")
set(tavcalc_description "tavcalc computes the gas carburizing of a steel sample from a \
process-data file (*.tav): the carbon profile, surface carbon, mass gain, case depth and \
hardness, written as result files beside it. The viewer tavrix starts it for a sample shape, \
and tavcalc --run computes files without a window.")
set(tavcalc_see tavrix)
set(tavrix_summary "viewer of the results of the Tavrix carburizing simulator")
set(tavrix_description "tavrix shows each result file of a set that tavcalc computed as a \
chart in a window of its own, starts tavcalc for a sample shape from its menu, and deletes sets.")
set(tavrix_see tavcalc)
set(manual_pages)
foreach(program tavcalc tavrix)
    set(page ${package_folder}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program}
            -DSUMMARY=${${program}_summary} -DDESCRIPTION=${${program}_description}
            -DSEE=${${program}_see} -DVERSION=${PROJECT_VERSION} -DOUTPUT=${page}
            -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
        COMMAND ${GZIP} -9nf ${page}
        DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake VERBATIM)
    list(APPEND manual_pages ${page}.gz)
endforeach()
add_custom_target(tavrix_manual_pages ALL DEPENDS ${manual_pages})
install(FILES ${manual_pages} DESTINATION share/man/man1 COMPONENT Package EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrix)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVRIX_MAINTAINER}")
set(CPACK_PACKAGE_CONTACT "${TAVRIX_MAINTAINER}")
set(CPACK_PACKAGE_VENDOR "The Tavrix developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of the gas carburizing of steel")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
For a semi-infinite sample, a plate, a foil or a cylinder and a programme of up
to ten stages of time, temperature and carbon potential, the calculation
program tavcalc computes the carbon profile, surface carbon, mass gain, case
depth and hardness of the steel; the viewer tavrix shows every result file of
a set as a chart.]])
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Both languages are in the programs; Qt's own translations of its standard dialogs and buttons
# (Save, Discard, Cancel, the file dialogs) match them. Building needs qt6-l10n-tools and qt6-tools-dev (tools/install-deps.sh).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
if(TAVRIX_PYTHON)
    # The module `tavrix` (python/) needs the Python it was built for, and NumPy.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${TAVRIX_PYTHON_DEPENDS}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Tavrix;Package;/")
set(CPACK_PACKAGE_DIRECTORY ${package_folder})
include(CPack)
