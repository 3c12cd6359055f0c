<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Copyright (C) 2026 The Zakat Calculator authors -->
<!-- Texts of Qt's print dialog, and the name of the role of the program's announcements,
     that Qt's own Arabic translation leaves in English. -->
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>الطباعة على الوجهين</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>التجليد على الحافة الطويلة</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>التجليد على الحافة القصيرة</translation>
    </message>
</context>
<context>
    <name>QSpiAccessibleBridge</name>
    <message>
        <source>notification</source>
        <translation>إشعار</translation>
    </message>
</context>
</TS>
