// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/designlabel.h"

#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/look.h"
#include "ui/summary.h"

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
    if (!showsNumber(shown) && !showsWords(shown))
        return m_spokenCaption; // dots or nothing: no value yet
    QString spoken = m_spokenCaption + QStringLiteral(": ") + shown;
    if (!m_spokenUnit.isEmpty())
        spoken += u' ' + m_spokenUnit;
    return spoken;
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
