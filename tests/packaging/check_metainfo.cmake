# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors

# Validates the AppStream metadata with every hint appstreamcli has and fails
# on any issue it reports but one: cid-contains-uppercase-letter on the
# component ID. The ID is also the desktop entry's name, whose reverse-DNS
# form ends in a capitalised word; changing it would make the program a
# different application to every desktop and software centre that has it.
# Usage: cmake -DAPPSTREAMCLI=... -DMETAINFO=... -DAPP_ID=... -P check_metainfo.cmake

# --no-net: the metadata names no address to check, and the tests run offline.
execute_process(COMMAND ${APPSTREAMCLI} validate --pedantic --no-net ${METAINFO}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")

string(REPLACE ";" "," output "${output}")
string(REPLACE "\n" ";" lines "${output}")
string(REPLACE "." "\\." id_pattern "${APP_ID}")
set(unexpected "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[EWIP]: "
     AND NOT line MATCHES "^P: ${id_pattern}:[0-9]+: cid-contains-uppercase-letter ${id_pattern}$")
    string(APPEND unexpected "\n  ${line}")
  endif()
endforeach()

if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate failed (${result})")
endif()
if(unexpected)
  message(FATAL_ERROR "appstreamcli reported:${unexpected}")
endif()
