// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QTextEdit;

// The notes of the livestock window read whole: a small window of its own
// beside the livestock window, titled by the animal the notes are about,
// listing every note the note lines show, whole, in the note lines' face or
// larger, selectable and readable with the keyboard. It covers none of the
// livestock window's notes, follows them while it is open and closes with Esc.
class NotesPanel : public QWidget {
    Q_OBJECT
public:
    explicit NotesPanel(QWidget *livestockWindow);

    // Writes the notes, whole, one after the other; "about" names the animal
    // ("الإبل"), or is empty before any camel or cattle result. The keyboard
    // stays where it is.
    void setNotes(const QString &about, const QStringList &notes);
    // Brings the panel to the front with the keyboard in its text.
    void present();

    QTextEdit *text() const { return m_text; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitHeight();
    void placeBeside(QWidget *livestockWindow);

    QLabel *m_heading;
    QTextEdit *m_text;
};
