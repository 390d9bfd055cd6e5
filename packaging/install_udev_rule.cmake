# SPDX-License-Identifier: MIT
# Installs the udev rule. For the system (prefix /usr or /usr/local) it goes
# where the system's udev reads rules; below any other prefix it stays below
# that prefix, so a trial install never writes outside it.
if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
    set(rules_dir "${VANTREL_SYSTEM_RULES_DIR}")
else()
    set(rules_dir "${CMAKE_INSTALL_PREFIX}/lib/udev/rules.d")
endif()
file(INSTALL "${VANTREL_RULE}" DESTINATION "${rules_dir}")
