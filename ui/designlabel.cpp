// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/designlabel.h"

#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/look.h"
#include "ui/summary.h"

#include "core/numbers.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

class DesignLabelAccessible : public QAccessibleWidget {
public:
    explicit DesignLabelAccessible(DesignLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        auto *label = static_cast<DesignLabel *>(widget());
        return label->accessibleName().isEmpty() ? label->spokenText()
                                                 : ui::spokenName(label->accessibleName());
    }
};

QAccessibleInterface *designLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("DesignLabel") && object && object->isWidgetType())
        return new DesignLabelAccessible(static_cast<DesignLabel *>(object));
    return nullptr;
}

} // namespace

DesignLabel::DesignLabel(QWidget *window, const QString &name, const QString &text,
                         const QRect &bounds, const QFont &font, const QColor &textColour,
                         Qt::Alignment alignment, const QColor &background)
    : QLabel(text, window)
{
    ui::installAccessibleFactory(designLabelAccessible);
    placeControl(this, name, bounds, font);
    setAlignment(alignment);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, textColour);
    if (background.isValid()) {
        colours.setColor(QPalette::Window, background);
        setAutoFillBackground(true);
    }
    setPalette(colours);
}

void DesignLabel::setSpokenCaption(const QString &caption, const QString &unit)
{
    m_spokenCaption = ui::spokenName(caption);
    m_spokenUnit = ui::spokenName(unit);
}

QString DesignLabel::spokenText() const
{
    const QString shown = ui::spokenName(text());
    if (m_spokenCaption.isEmpty())
        return shown;
    if (!showsResult())
        return kNoResultYet;
    QString spoken = m_spokenCaption + QStringLiteral(": ") + shown;
    if (!m_spokenUnit.isEmpty())
        spoken += u' ' + m_spokenUnit;
    if (const auto *box = qobject_cast<const QLineEdit *>(m_readWith); box && !box->text().isEmpty())
        spoken += QStringLiteral("، ") + ui::spokenName(box->accessibleName())
            + QStringLiteral(": ") + box->text();
    return spoken;
}

namespace {

const char *const kResultOrder = "zakatResultOrder";

// Whether the text says something: words, or a number other than the run of
// zeros that holds a count's place.
bool saysSomething(const QString &text)
{
    if (showsWords(text))
        return true;
    const QString number = trimBlanks(text);
    const bool placeHolder = number.size() > 1 && number.count(u'0') == number.size();
    return showsNumber(number) && !placeHolder;
}

// Whether the words of the text come, in order and whole, within the name.
bool saysWords(const QString &name, const QString &text)
{
    static const QRegularExpression notWord(QStringLiteral("[\\s،,:()]+"));
    const QStringList words = name.split(notWord, Qt::SkipEmptyParts);
    const QStringList said = text.split(notWord, Qt::SkipEmptyParts);
    if (said.isEmpty())
        return false;
    for (qsizetype at = 0; at + said.size() <= words.size(); ++at)
        if (words.mid(at, said.size()) == said)
            return true;
    return false;
}

} // namespace

QString DesignLabel::spokenCaptionAndUnit() const
{
    return m_spokenCaption + u' ' + m_spokenUnit;
}

bool DesignLabel::showsResult() const
{
    return (!m_shownWith || m_shownWith->isVisibleTo(window())) && saysSomething(text());
}

void DesignLabel::makeReachable()
{
    static int order = 0;
    m_reachable = true;
    setProperty(kResultOrder, ++order);
    refreshReachable();
}

void DesignLabel::setText(const QString &text)
{
    const bool shown = m_reachable && showsResult();
    QLabel::setText(text);
    if (!m_reachable)
        return;
    refreshReachable();
    if (shown && !showsResult())
        ui::resultTakenBack(window());
}

void DesignLabel::refreshReachable()
{
    // Tab and the mouse reach a result (the mouse to select and copy it);
    // a place held for one has nothing to reach.
    setFocusPolicy(showsResult() ? Qt::StrongFocus : Qt::NoFocus);
}

void settleResults(QWidget *window, QWidget *lastControl)
{
    QList<DesignLabel *> results;
    QStringList heard;
    for (const auto *field : window->findChildren<QLineEdit *>())
        heard << ui::spokenName(field->accessibleName());
    const QList<DesignLabel *> labels = window->findChildren<DesignLabel *>();
    for (DesignLabel *label : labels)
        if (label->isReachableResult()) {
            results << label;
            heard << label->spokenCaptionAndUnit();
        }
    std::sort(results.begin(), results.end(), [](const QWidget *a, const QWidget *b) {
        return a->property(kResultOrder).toInt() < b->property(kResultOrder).toInt();
    });
    QWidget *previous = lastControl;
    for (DesignLabel *result : std::as_const(results)) {
        if (previous)
            QWidget::setTabOrder(previous, result);
        previous = result;
    }
    for (DesignLabel *label : labels) {
        if (label->isReachableResult())
            continue;
        const QString said = ui::spokenName(label->text());
        const bool holdsPlace = !showsWords(said) && !showsNumber(said);
        if (holdsPlace || std::any_of(heard.begin(), heard.end(), [&](const QString &name) {
                return saysWords(name, said);
            }))
            ui::keepFromAssistiveTechnology(label);
    }
}

QFont DesignLabel::fittedFont() const
{
    if (!wordWrap())
        return font(); // a single line keeps its size and is cut instead
    return fitFont(font(), contentsRect(), drawingFlags(), text());
}

int DesignLabel::drawingFlags() const
{
    return int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine));
}

QString DesignLabel::shownText() const
{
    const QString whole = text();
    // Wrapped words fit once the font is fitted; only a single word (a
    // number) can still be too wide. A single line is cut where it ends.
    if (wordWrap() && whole.contains(u' '))
        return whole;
    const QFontMetrics metrics(fittedFont());
    const int width = contentsRect().width();
    if (metrics.horizontalAdvance(whole) <= width)
        return whole;
    // Right to left, the end of the text is its left side, where it is cut.
    return metrics.elidedText(whole, Qt::ElideRight, width);
}

bool DesignLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const QString shown = shownText();
        if (shown != text())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void DesignLabel::paintEvent(QPaintEvent *event)
{
    if (hasSelectedText()) {
        // While text is selected in it, the label shows the selection where
        // the mouse finds it; without a selection it draws its text its own way.
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection()); // the paragraph reads in the label's direction
    painter.setFont(fittedFont());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), drawingFlags(), shownText());
}
