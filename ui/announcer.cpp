// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/announcer.h"

#include "ui/accessible.h"

#include "ui/summary.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace ui {
namespace {

// What a window announced, as an object of its own: the sentence is its name
// and a notification its role. A fresh one for every sentence, so that no
// reader holds on to the name of the one before.
class Announcement : public QObject {
    Q_OBJECT
public:
    Announcement(QWidget *window, const QString &sentence) : QObject(window), sentence(sentence)
    {
        setObjectName(QStringLiteral("announcement"));
    }
    const QString sentence;
};

class AnnouncementAccessible : public QAccessibleInterface {
public:
    explicit AnnouncementAccessible(Announcement *announcement) : m_announcement(announcement) {}

    bool isValid() const override { return m_announcement; }
    QObject *object() const override { return m_announcement; }
    QWindow *window() const override
    {
        QWidget *owner = windowOf();
        return owner ? owner->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(windowOf());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && m_announcement ? m_announcement->sentence : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    QWidget *windowOf() const
    {
        return m_announcement ? static_cast<QWidget *>(m_announcement->parent()) : nullptr;
    }
    QPointer<Announcement> m_announcement;
};

QAccessibleInterface *announcementAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new AnnouncementAccessible(static_cast<Announcement *>(object));
    return nullptr;
}

Announcement *announcementOf(const QWidget *window)
{
    return window->findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
}

const char *const kAnnounced = "zakatAnnouncements"; // how many sentences a window said
const char *const kTakenBackPending = "zakatTakenBackPending";

} // namespace

void resultTakenBack(QWidget *window)
{
    if (!window || window->property(kTakenBackPending).toBool())
        return;
    window->setProperty(kTakenBackPending, true);
    const int said = window->property(kAnnounced).toInt();
    QTimer::singleShot(0, window, [window, said] {
        window->setProperty(kTakenBackPending, false);
        if (window->property(kAnnounced).toInt() == said)
            announce(window, kResultTakenBack);
    });
}

void announce(QWidget *window, const QString &sentence)
{
    ui::installAccessibleFactory(announcementAccessible);
    if (!window)
        return;
    window->setProperty(kAnnounced, window->property(kAnnounced).toInt() + 1);
    delete announcementOf(window);
    auto *announcement = new Announcement(window, spokenName(sentence));
    // Shown, a notification is what a screen reader speaks at once, wherever
    // the focus is.
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString lastAnnouncement(const QWidget *window)
{
    const Announcement *announcement = window ? announcementOf(window) : nullptr;
    return announcement ? announcement->sentence : QString();
}

QString spokenName(const QString &drawnText)
{
    // Slips of the design's texts, said right; the screen shows them as drawn.
    static const std::pair<QString, QString> slips[] = {
        {QStringLiteral("ربال"), QStringLiteral("ريال")},
        {QStringLiteral("أوجنيه"), QStringLiteral("أو جنيه")},
        {QStringLiteral("الواجبةبنفس"), QStringLiteral("الواجبة بنفس")},
        {QStringLiteral("المفدار"), QStringLiteral("المقدار")},
        {QStringLiteral("وتدخرمثل"), QStringLiteral("وتدخر مثل")},
        {QStringLiteral("االثمن"), QStringLiteral("الثمن")},
        {QStringLiteral("الحفة"), QStringLiteral("الحقة")},
    };
    // The marks that keep a figure's sign with its digits on screen are not heard.
    QString shown = drawnText;
    for (const char16_t mark : {u'\u200E', u'\u200F', u'\u2066', u'\u2067', u'\u2068', u'\u2069'})
        shown.remove(QChar(mark));
    QStringList words = readable(shown).split(u' ');
    for (QString &word : words)
        for (const auto &[drawn, said] : slips)
            if (word == drawn)
                word = said;
    return words.join(u' ');
}

} // namespace ui

#include "announcer.moc"
