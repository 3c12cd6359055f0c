#pragma once

#include "look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

// The controls every window is built from. Each takes its design name as
// objectName, its bounds in twips (already converted to pixels) and its
// design-time text.

// A static label: wraps at word boundaries inside its bounds and paints
// nothing outside them. Transparent unless given a background colour. The
// stand-in faces of a desktop without the design faces are often wider or
// taller than the originals; where the text would not fit its bounds in the
// design size, it is drawn just small enough to fit whole.
class DesignLabel : public QLabel {
    Q_OBJECT
public:
    DesignLabel(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
                const QFont &font, const QColor &textColour, Qt::Alignment alignment,
                const QColor &background = QColor());

    // The font the text is drawn in: the design font, or a smaller size of it.
    QFont fittedFont() const;
    // The text as drawn: the whole text, or, for a single word (a number) too
    // wide for the label even in the smallest size, its beginning and an
    // ellipsis. A cut text shows whole in the label's tooltip; text() and
    // what assistive technology reads are always the whole text.
    QString shownText() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A single-line entry field.
class EntryField : public QLineEdit {
    Q_OBJECT
public:
    EntryField(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
               const QFont &font, Qt::Alignment alignment, int maxTypedLength);

    // Writes the text from the program: never cut to the typed maximum, and the
    // change handler runs at once, even when the text stays the same.
    void write(const QString &text);
    // Runs on every change, typed or written.
    void setChangeHandler(std::function<void()> handler);
    // Runs when Enter is pressed in the field.
    void setEnterHandler(std::function<void()> handler);

    // The whole text selected whenever the field is clicked, or also whenever it
    // receives the focus.
    void setSelectAllOnClick(bool on) { m_selectAllOnClick = on; }
    void setSelectAllOnFocus(bool on) { m_selectAllOnFocus = on; }
    // Gives the field the focus with its whole text selected.
    void focusAndSelectAll();

    int maxTypedLength() const { return m_maxTypedLength; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    int m_maxTypedLength;
    bool m_selectAllOnClick = false;
    bool m_selectAllOnFocus = false;
    bool m_selectAllWhenFocused = false;
    std::function<void()> m_changeHandler;
};

// A push button in the design colour. Space and Enter press it when it has
// the focus. Pressing it from the program means calling its handler directly.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
                  const QFont &font, const QColor &background);
    void setHandler(std::function<void()> handler);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// An option button of the window's single group.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
                 const QFont &font, const QColor &textColour, const QColor &background);
};

// Decoration: a rectangle outline, or a straight line between two points,
// drawn beneath the labels and transparent to the mouse.
class OutlineShape : public QWidget {
    Q_OBJECT
public:
    OutlineShape(QWidget *window, const QString &name, const QRect &bounds, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QWidget *window, const QString &name, const QPoint &from, const QPoint &to,
              const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
};

// The window itself: design name, caption, fixed client size, background,
// direction; destroyed when closed.
void setUpWindow(QWidget *window, const QString &name, const QString &caption,
                 const QSize &clientSize, const QColor &background, bool rightToLeft,
                 const QFont &font = QFont());

// Tab order through the named controls, and the focus on the first of them.
void applyTabOrder(QWidget *window, const QStringList &names);

void centreOnScreen(QWidget *window);
