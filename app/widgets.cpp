#include "widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QValidator>

namespace {

// Limits what the user types or pastes, never what the program writes: an
// edit is refused when it makes the text longer than the limit and longer
// than the text before it, so a longer text written by the program can still
// be shortened.
class TypedLengthValidator : public QValidator {
public:
    TypedLengthValidator(QLineEdit *field, int maxLength)
        : QValidator(field), m_maxLength(maxLength), m_accepted(field->text())
    {
        connect(field, &QLineEdit::textChanged, this, [this](const QString &text) {
            m_accepted = text;
        });
    }

    State validate(QString &input, int &) const override
    {
        if (input.size() <= m_maxLength || input.size() <= m_accepted.size())
            return Acceptable;
        return Invalid;
    }

private:
    int m_maxLength;
    QString m_accepted;
};

void placeControl(QWidget *control, const QString &name, const QRect &bounds, const QFont &font)
{
    control->setObjectName(name);
    control->setGeometry(bounds);
    control->setFont(font);
}

// One palette for all buttons of the same colours. Fusion draws a push button
// from a pixmap it keeps in the application's pixmap cache, under a text key
// that holds the palette's identity. With a palette of its own, every button
// of every window built added entries that were never drawn again: pixmaps
// until the cache was full (10 MiB), then, with Qt 6.4, the text keys of the
// pixmaps dropped, which the cache keeps. Every colour is set in the shared
// palette, so that a button takes it as it is instead of mixing it anew with
// its window's palette; the colours are those the button had anyway, the
// window's included.
QPalette sharedPalette(const QPalette &colours)
{
    static QList<QPalette> shared;
    for (const QPalette &palette : std::as_const(shared))
        if (palette == colours)
            return palette;
    QPalette complete = colours;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            complete.setBrush(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                              colours.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    shared.append(complete);
    return complete;
}

} // namespace

DesignLabel::DesignLabel(QWidget *window, const QString &name, const QString &text,
                         const QRect &bounds, const QFont &font, const QColor &textColour,
                         Qt::Alignment alignment, const QColor &background)
    : QLabel(text, window)
{
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

QFont DesignLabel::fittedFont() const
{
    QFont fitted = font();
    const QRect bounds = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    const int designSize = fitted.pixelSize();
    // Never below three fifths of the design size: past that, clipping the
    // rest reads better than text too small to read.
    for (int size = designSize; size >= designSize * 3 / 5 && size > 0; --size) {
        fitted.setPixelSize(size);
        const QFontMetrics metrics(fitted);
        const QRect needed = metrics.boundingRect(bounds, flags, text());
        if (needed.width() <= bounds.width() && needed.height() <= bounds.height())
            break;
    }
    return fitted;
}

QString DesignLabel::shownText() const
{
    const QString whole = text();
    if (whole.contains(u' '))
        return whole; // words wrap; only a single word can be too wide
    const QFontMetrics metrics(fittedFont());
    const int width = contentsRect().width();
    if (metrics.horizontalAdvance(whole) <= width)
        return whole;
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

void DesignLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection()); // the paragraph reads in the label's direction
    painter.setFont(fittedFont());
    painter.setPen(palette().color(foregroundRole()));
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    painter.drawText(contentsRect(), flags, shownText());
}

EntryField::EntryField(QWidget *window, const QString &name, const QString &text,
                       const QRect &bounds, const QFont &font, Qt::Alignment alignment,
                       int maxTypedLength)
    : QLineEdit(text, window), m_maxTypedLength(maxTypedLength)
{
    placeControl(this, name, bounds, font);
    setAlignment(alignment & ~Qt::AlignVertical_Mask);
    setValidator(new TypedLengthValidator(this, maxTypedLength));
    setCursorPosition(0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_changeHandler)
            m_changeHandler();
    });
}

void EntryField::write(const QString &text)
{
    if (text == this->text()) {
        if (m_changeHandler)
            m_changeHandler();
        return;
    }
    setText(text); // emits textChanged, which runs the handler
}

void EntryField::setChangeHandler(std::function<void()> handler)
{
    m_changeHandler = std::move(handler);
}

void EntryField::setEnterHandler(std::function<void()> handler)
{
    connect(this, &QLineEdit::returnPressed, this, std::move(handler));
}

void EntryField::focusAndSelectAll()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
    // After a message box the window may get the keyboard back only later;
    // the text is selected again when the focus actually arrives.
    m_selectAllWhenFocused = !hasFocus();
}

void EntryField::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste && !isReadOnly()) {
        // Of a paste too long for the field, the part that fits is kept.
        const QString pasted = QGuiApplication::clipboard()->text();
        const qsizetype kept = text().size() - selectedText().size();
        const qsizetype room = std::max<qsizetype>(0, m_maxTypedLength - kept);
        if (pasted.size() > room) {
            if (room > 0)
                insert(pasted.left(room));
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event); // the click has placed the caret
    if (m_selectAllOnClick)
        selectAll();
}

void EntryField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (m_selectAllOnFocus || m_selectAllWhenFocused)
        selectAll();
    m_selectAllWhenFocused = false;
}

CommandButton::CommandButton(QWidget *window, const QString &name, const QString &text,
                             const QRect &bounds, const QFont &font, const QColor &background)
    : QPushButton(text, window)
{
    placeControl(this, name, bounds, font);
    QPalette colours = palette();
    colours.setColor(QPalette::Button, background);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(sharedPalette(colours));
    setAutoDefault(false);
    setAccessibleName(text); // what a screen reader announces the button does
}

void CommandButton::setHandler(std::function<void()> handler)
{
    connect(this, &QPushButton::clicked, this, std::move(handler));
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

OptionButton::OptionButton(QWidget *window, const QString &name, const QString &text,
                           const QRect &bounds, const QFont &font, const QColor &textColour,
                           const QColor &background)
    : QRadioButton(text, window)
{
    placeControl(this, name, bounds, font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, textColour);
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setBackgroundRole(QPalette::Window); // a radio button would fill with the button colour
    setAutoFillBackground(true);
    setAccessibleName(text);
}

OutlineShape::OutlineShape(QWidget *window, const QString &name, const QRect &bounds,
                           const QColor &colour)
    : QWidget(window), m_colour(colour)
{
    setObjectName(name);
    setGeometry(bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LineShape::LineShape(QWidget *window, const QString &name, const QPoint &from, const QPoint &to,
                     const QColor &colour)
    : QWidget(window), m_colour(colour)
{
    setObjectName(name);
    const QRect bounds = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawLine(m_from, m_to);
}

void setUpWindow(QWidget *window, const QString &name, const QString &caption,
                 const QSize &clientSize, const QColor &background, bool rightToLeft,
                 const QFont &font)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(clientSize);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    window->setFont(font);
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, background);
    window->setPalette(colours);
    window->setAutoFillBackground(true);
}

void applyTabOrder(QWidget *window, const QStringList &names)
{
    QWidget *previous = nullptr;
    for (const QString &name : names) {
        auto *control = window->findChild<QWidget *>(name);
        Q_ASSERT(control);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    if (!names.isEmpty())
        window->findChild<QWidget *>(names.first())->setFocus(Qt::OtherFocusReason);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
