// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/support/heard.h"

#include <QAccessibleInterface>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {
HeardEvents *listening = nullptr;
}

HeardEvents::HeardEvents()
{
    Q_ASSERT(!listening);
    listening = this;
    m_previous = QAccessible::installUpdateHandler(&HeardEvents::handle);
    // Qt sends events only while assistive technology listens; headless,
    // nothing does, so the platform is told that something does.
    if (QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
    if (!QAccessible::isActive())
        qFatal("no accessibility on this platform: nothing can be heard");
}

HeardEvents::~HeardEvents()
{
    QAccessible::installUpdateHandler(m_previous);
    listening = nullptr;
}

void HeardEvents::clear()
{
    m_announcements.clear();
    m_inserted.clear();
}

void HeardEvents::handle(QAccessibleEvent *event)
{
    if (!listening)
        return;
    if (event->type() == QAccessible::ObjectShow) {
        QAccessibleInterface *shown = event->accessibleInterface();
        if (shown && shown->role() == QAccessible::Notification)
            listening->m_announcements.append(shown->text(QAccessible::Name));
    } else if (event->type() == QAccessible::TextInserted) {
        listening->m_inserted.append(
            static_cast<QAccessibleTextInsertEvent *>(event)->textInserted());
    }
}
