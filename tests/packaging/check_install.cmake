# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors

# Installs the build in BINARY_DIR under PREFIX, then checks what a desktop
# looks for: the menu entry's program and icon, the metadata that names the
# entry, the icon at every size the theme offers, and the program's manual
# page in English and in Arabic.
# Usage: cmake -DBINARY_DIR=... -DPREFIX=... -DAPP_ID=... [-DEXECUTABLE_SUFFIX=.exe]
#        -P check_install.cmake

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE install_result OUTPUT_QUIET)
if(NOT install_result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${install_result}")
endif()

set(failures "")
function(expect_file path)
  if(NOT EXISTS ${PREFIX}/${path} OR IS_DIRECTORY ${PREFIX}/${path})
    set(failures "${failures}\n  missing ${path}" PARENT_SCOPE)
  endif()
endfunction()

set(desktop_entry share/applications/${APP_ID}.desktop)
set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
expect_file(${desktop_entry})
expect_file(${metainfo})
expect_file(share/icons/hicolor/16x16/apps/${APP_ID}.png)
expect_file(share/icons/hicolor/32x32/apps/${APP_ID}.png)
expect_file(share/icons/hicolor/scalable/apps/${APP_ID}.svg)
if(failures)
  message(FATAL_ERROR "The install is incomplete:${failures}")
endif()

# The menu starts the installed program, which has its manual page in both
# languages, and shows the installed icon.
file(STRINGS ${PREFIX}/${desktop_entry} exec_lines REGEX "^Exec=")
file(STRINGS ${PREFIX}/${desktop_entry} icon_lines REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec_lines}")
# A Windows build installs the program under its own file name, with ".exe".
expect_file(bin/${program}${EXECUTABLE_SUFFIX})
expect_file(share/man/man1/${program}.1)
expect_file(share/man/ar/man1/${program}.1)
if(NOT icon_lines STREQUAL "Icon=${APP_ID}")
  set(failures "${failures}\n  the entry's icon is '${icon_lines}', not the installed ${APP_ID}")
endif()

# The software centre finds the entry through the metadata.
file(READ ${PREFIX}/${metainfo} metadata)
foreach(expected "<id>${APP_ID}</id>"
                 "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
                 "<binary>${program}</binary>")
  string(FIND "${metadata}" "${expected}" position)
  if(position EQUAL -1)
    set(failures "${failures}\n  the metadata lacks ${expected}")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "The installed files do not fit together:${failures}")
endif()
message(STATUS "Installed ${program}, ${desktop_entry}, ${metainfo} and the icons under ${PREFIX}")
