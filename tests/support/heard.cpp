// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/support/heard.h"

#include "ui/shapes.h"

#include <QAccessibleInterface>
#include <QMultiHash>
#include <QTest>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

HeardEvents *listening = nullptr;

// Below the interface: every object named, no decoration; the names of the
// focusable ones gathered.
void checkBelow(QAccessibleInterface *parent, const QString &path,
                QMultiHash<QString, QString> &focusable)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        QVERIFY2(child, qPrintable(path));
        QCOMPARE(parent->indexOfChild(child), i);
        QObject *object = child->object();
        const QString where = path + u'/'
            + (object && !object->objectName().isEmpty() ? object->objectName()
                                                         : QString::number(i));
        QVERIFY2(!qobject_cast<OutlineShape *>(object) && !qobject_cast<LineShape *>(object),
                 qPrintable(where + QStringLiteral(" is decoration")));
        const QString name = child->text(QAccessible::Name);
        // A table's corner, above the row numbers it does not show, is a
        // cell Qt gives no name.
        if (!object && parent->role() == QAccessible::Table && child->role() == QAccessible::Pane)
            continue;
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where + QStringLiteral(" has no name")));
        QVERIFY2(name == name.simplified() && !name.contains(QChar(0x0640)),
                 qPrintable(where + QStringLiteral(" is named as drawn: ") + name));
        if (child->state().focusable && !child->state().invisible)
            focusable.insert(name, where);
        // The items of a choice box are its choices, not controls of their
        // own: one of them is named as the box is, whose name is its choice.
        QMultiHash<QString, QString> items;
        checkBelow(child, where, child->role() == QAccessible::ComboBox ? items : focusable);
    }
}

} // namespace

void checkAccessibleTree(QWidget *window)
{
    QMultiHash<QString, QString> focusable;
    checkBelow(QAccessible::queryAccessibleInterface(window), window->objectName(), focusable);
    QVERIFY(!focusable.isEmpty());
    for (const QString &heard : focusable.uniqueKeys())
        QVERIFY2(focusable.count(heard) == 1,
                 qPrintable(heard + QStringLiteral(": ") + focusable.values(heard).join(u' ')));
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
