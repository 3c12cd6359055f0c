// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/plaintext.h"

QString readable(const QString &designText)
{
    QString text = designText;
    text.remove(QChar(u'\u0640')); // tatweel
    return text.simplified();
}
