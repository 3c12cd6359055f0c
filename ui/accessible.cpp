// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/accessible.h"

#include "ui/announcer.h"

#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QWidget>

namespace ui {
namespace {

const char *const kRoleProperty = "zakatAccessibleRole";
const char *const kKeptProperty = "zakatKeptFromAssistiveTechnology";

class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget *window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return spokenName(name.isEmpty() ? widget()->windowTitle() : name);
    }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QObject *> shown = children();
        return index >= 0 && index < shown.size()
            ? QAccessible::queryAccessibleInterface(shown.at(index))
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(children().indexOf(child->object())) : -1;
    }

private:
    // The child widgets Qt would list, less those kept from assistive
    // technology, and the announcement last.
    QList<QObject *> children() const
    {
        QList<QObject *> shown;
        for (QObject *child : widget()->children()) {
            auto *control = qobject_cast<QWidget *>(child);
            if (!control || control->isWindow() || control->property(kKeptProperty).toBool())
                continue;
            shown << control;
        }
        if (QObject *announcement =
                widget()->findChild<QObject *>(QStringLiteral("announcement"),
                                               Qt::FindDirectChildrenOnly))
            if (!announcement->isWidgetType())
                shown << announcement;
        return shown;
    }
};

QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType()
        || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new WindowAccessible(static_cast<QWidget *>(object),
                                static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void installAccessibleFactory(QAccessible::InterfaceFactory factory)
{
    static QList<QAccessible::InterfaceFactory> installed;
    if (installed.contains(factory))
        return;
    installed.append(factory);
    QAccessible::installFactory(factory);
}

void setAccessibleRole(QWidget *window, QAccessible::Role role)
{
    installAccessibleFactory(windowAccessible);
    window->setProperty(kRoleProperty, int(role));
}

void keepFromAssistiveTechnology(QWidget *control)
{
    control->setProperty(kKeptProperty, true);
}

void nameScrollArea(QAbstractScrollArea *area, const QString &name)
{
    area->setAccessibleName(name);
    area->viewport()->setAccessibleName(name);
    const QString across = QStringLiteral("التمرير الأفقي");
    const QString down = QStringLiteral("التمرير الرأسي");
    area->horizontalScrollBar()->setAccessibleName(across);
    area->verticalScrollBar()->setAccessibleName(down);
    for (QWidget *holder : area->findChildren<QWidget *>(QStringLiteral("qt_scrollarea_hcontainer")))
        holder->setAccessibleName(across);
    for (QWidget *holder : area->findChildren<QWidget *>(QStringLiteral("qt_scrollarea_vcontainer")))
        holder->setAccessibleName(down);
}

} // namespace ui
