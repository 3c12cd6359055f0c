# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
#
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX
# threads flavour, which std::thread and Qt need). Used for Qt itself and
# for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZAKAT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZAKAT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZAKAT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZAKAT_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW-w64 tree and from the prefixes
# given on the command line (the cross-built Qt); programs run during the
# build are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ZAKAT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
