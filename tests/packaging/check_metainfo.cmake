# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors

# Validates the AppStream metadata with every hint appstreamcli has and fails
# on any issue it reports, pedantic ones included.
# Usage: cmake -DAPPSTREAMCLI=... -DMETAINFO=... -P check_metainfo.cmake

# --no-net: the metadata names no address to check, and the tests run offline.
execute_process(COMMAND ${APPSTREAMCLI} validate --pedantic --no-net ${METAINFO}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")

string(REPLACE ";" "," output "${output}")
string(REPLACE "\n" ";" lines "${output}")
set(unexpected "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[EWIP]: ")
    string(APPEND unexpected "\n  ${line}")
  endif()
endforeach()

if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate failed (${result})")
endif()
if(unexpected)
  message(FATAL_ERROR "appstreamcli reported:${unexpected}")
endif()
