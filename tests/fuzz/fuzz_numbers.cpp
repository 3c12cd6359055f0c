// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// libFuzzer target for the number reader, number text, the whole-wealth and
// the Zakat al-Fitr rules: every input is checked by the same properties the corpus replay
// test checks, and any broken property stops the run with the input saved as
// a crash file.

#include "tests/fuzz/numbercheck.h"
#include "tests/fuzz/recordcheck.h"
#include "tests/fuzz/wealthcheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    const QStringList faults = numberInputFaults(bytes) + wealthInputFaults(bytes)
        + fitrInputFaults(bytes) + recordInputFaults(bytes);
    if (faults.isEmpty())
        return 0;
    for (const QString &fault : faults)
        std::fprintf(stderr, "number property broken: %s\n", qPrintable(fault));
    std::abort();
}
