// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/frmzakat1.h"

#include "core/numbers.h"
#include "livestock/camels.h"
#include "livestock/cattle.h"
#include "livestock/sheep.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/shapes.h"
#include "ui/window.h"

#include <QShortcut>

#include <tuple>

namespace {

const QString kCaption = QStringLiteral("الأنعام");
const QString kCountCaption = QStringLiteral("عدد الرؤوس التي عندك");
const QString kPrompt = QStringLiteral("ادخل العدد فقط");
const QString kDueCaption = QStringLiteral("مقدار الزكاة الواجبة");
const QString kKindHeading = QStringLiteral("النوع");
const QString kCountHeading = QStringLiteral("العدد");
const QString kCellPlaceholder = QStringLiteral(".....");
const QString kNotePlaceholder = QStringLiteral(". . . . . . . . . . . . . . . .");
// The animals whose notes the note lines show, as the notes panel names them.
const QString kCamels = QStringLiteral("الإبل");
const QString kCattle = QStringLiteral("البقر");
const QString kNotesOf = QStringLiteral("ملاحظات %1");
const QString kSheep = QStringLiteral("الغنم");

// How a listener hears a panel's due: "في 250 من الإبل: 5 بنت لبون و 1 حقة".
const QString kDueSpoken = QStringLiteral("في %1 من %2: %3");
const QString kAndSpoken = QStringLiteral(" و ");
const QString kNothingDueSpoken = QStringLiteral("لا زكاة فيها");
// How a listener tells the buttons and cells of the three panels apart.
const QString kComputeSpoken = QStringLiteral("احسب: %1");
const QString kNotesButtonSpoken = QStringLiteral("%1: أعد حساب %2 لعرض ملاحظاتها");
const QString kCellSpoken = QStringLiteral("%1، %2 %3");

// What the window computes, as its summary is headed; the window's caption
// names only the animals.
const QString kSummaryHeading = QStringLiteral("زكاة سائمة الأنعام");

constexpr int kCountMaxLength = 9; // typed characters in each count field

} // namespace

frmzakat1::frmzakat1()
{
    setUpWindow(this, QStringLiteral("frmzakat1"), kCaption, twipsSize(11880, 8490),
                Colour::FieldGreen, true, designFont(Face::TraditionalArabic, 14.25, Bold));

    // Decoration first, so that it lies beneath the labels.
    auto shape = [&](int index, const QRect &bounds) {
        new OutlineShape(this, QStringLiteral("Shape1(%1)").arg(index), bounds, Colour::White);
    };
    auto line = [&](int index, int x1, int y1, int x2, int y2) {
        new LineShape(this, QStringLiteral("Line1(%1)").arg(index), twipsPoint(x1, y1),
                      twipsPoint(x2, y2), Colour::White);
    };
    shape(0, twips(8520, 2640, 3255, 735));
    shape(1, twips(8520, 3360, 3255, 735));
    shape(6, twips(8520, 4080, 3255, 735));
    shape(2, twips(4800, 2760, 3375, 735));
    shape(3, twips(4800, 3480, 3375, 735));
    shape(4, twips(480, 2640, 3615, 735));
    shape(5, twips(480, 3360, 3615, 735));
    shape(7, twips(480, 4080, 3615, 735));
    line(0, 10080, 2640, 10080, 4800);
    line(1, 6360, 2760, 6360, 4200);
    line(2, 2160, 2640, 2160, 4800);
    line(3, 4320, 600, 4320, 5040);
    line(4, 8280, 720, 8280, 5040);

    const QFont headingFont = designFont(Face::Arial, 18, Bold | Underlined);
    const QFont captionFont = designFont(Face::Arial, 15.75, Bold | Italic);
    const QFont remarkFont = designFont(Face::TraditionalArabic, 14.25, Bold | Italic);
    const QFont fieldFont = designFont(Face::SimplifiedArabic, 14.25, Bold);
    const QFont computeFont = designFont(Face::Arial, 14.25, Bold);
    const QFont cellFont = designFont(Face::SimplifiedArabic, 12, Bold);
    const QFont noteButtonFont = designFont(Face::Arial, 11.25, Bold);
    const QFont noteFont = designFont(Face::TraditionalArabic, 15.75, Bold);

    auto fixed = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QFont &font) {
        return new DesignLabel(this, name, text, bounds, font, Colour::White, Align::Centre,
                               Colour::FieldGreen);
    };
    auto caption = [&](int index, const QString &text, const QRect &bounds,
                       const QFont &font) {
        Label1[index] = fixed(QStringLiteral("Label1(%1)").arg(index), text, bounds, font);
    };
    auto cell = [&](const char *name, const QRect &bounds) {
        return new DesignLabel(this, QString::fromLatin1(name), kCellPlaceholder, bounds, cellFont,
                               Colour::Yellow, Align::Centre);
    };
    auto field = [&](const char *name, const QRect &bounds) {
        auto *entry = new EntryField(this, QString::fromLatin1(name), kPrompt, bounds, fieldFont,
                                     Qt::AlignHCenter, kCountMaxLength);
        entry->setSelectAllOnClick(true);
        entry->setSelectAllOnFocus(true);
        return entry;
    };
    auto button = [&](const char *name, const QString &text, const QRect &bounds,
                      const QFont &font) {
        return new CommandButton(this, QString::fromLatin1(name), text, bounds, font,
                                 Colour::Green);
    };
    auto note = [&](const char *name, const QRect &bounds) {
        return new NoteLine(this, QString::fromLatin1(name), kNotePlaceholder, bounds, noteFont,
                            Colour::Yellow);
    };

    // Camels, on the right.
    lbla1_0 = fixed(QStringLiteral("lbla1(0)"), QStringLiteral("الإبـــــــــل"),
                    twips(9240, 120, 2175, 735), headingFont);
    caption(0, kCountCaption, twips(8760, 840, 2775, 615), captionFont);
    Text1 = field("Text1", twips(9240, 1440, 2415, 615));
    Text1->setAccessibleName(kCountCaption + QStringLiteral(" - الإبل"));
    Command1 = button("Command1", kComputeText, twips(8400, 1440, 855, 615), computeFont);
    caption(1, kDueCaption, twips(8640, 2040, 2775, 615), captionFont);
    caption(2, kKindHeading, twips(8760, 2640, 1455, 615), captionFont);
    caption(3, kCountHeading, twips(10320, 2640, 1095, 615), captionFont);
    lbl1 = cell("lbl1", twips(10920, 3480, 405, 525));
    lbl11 = cell("lbl11", twips(8400, 3480, 1575, 495));
    lbl13 = cell("lbl13", twips(10080, 4200, 1575, 495));
    lbl14 = cell("lbl14", twips(8640, 4200, 1335, 495));

    // Sheep and goats, in the middle.
    lbla1_1 = fixed(QStringLiteral("lbla1(1)"), QStringLiteral("الغنـــــم"),
                    twips(5160, 120, 2175, 735), headingFont);
    caption(11, kCountCaption, twips(4920, 840, 2775, 615), captionFont);
    Text2 = field("Text2", twips(5520, 1440, 2175, 615));
    Text2->setAccessibleName(kCountCaption + QStringLiteral(" - الغنم"));
    Command2 = button("Command2", kComputeText, twips(4560, 1440, 855, 615), computeFont);
    caption(4, kDueCaption, twips(5040, 2160, 2775, 615), captionFont);
    caption(5, kKindHeading, twips(4920, 2760, 1455, 615), captionFont);
    caption(6, kCountHeading, twips(6720, 2760, 1095, 615), captionFont);
    lbl2 = cell("lbl2", twips(6480, 3600, 1605, 555));
    lbl21 = cell("lbl21", twips(4680, 3600, 1695, 495));
    caption(13, QStringLiteral("الغنم والماعز صنف واحد يضم بعضه الى بعض"),
            twips(4455, 4320, 3705, 435), remarkFont);

    // Cattle and buffalo, on the left.
    lbla1_2 = fixed(QStringLiteral("lbla1(2)"), QStringLiteral("البقــــر"),
                    twips(1200, 0, 2175, 855), headingFont);
    caption(10, kCountCaption, twips(840, 840, 2775, 615), captionFont);
    Text3 = field("Text3", twips(1320, 1440, 2415, 615));
    Text3->setAccessibleName(kCountCaption + QStringLiteral(" - البقر"));
    Command3 = button("Command3", kComputeText, twips(360, 1440, 855, 615), computeFont);
    caption(7, kDueCaption, twips(960, 2160, 2775, 615), captionFont);
    caption(8, kKindHeading, twips(720, 2640, 1455, 615), captionFont);
    caption(9, kCountHeading, twips(2280, 2640, 1095, 615), captionFont);
    lbl3 = cell("lbl3", twips(2880, 3480, 405, 525));
    lbl31 = cell("lbl31", twips(480, 3360, 1695, 735));
    lbl33 = cell("lbl33", twips(2160, 4200, 1815, 495));
    lbl34 = cell("lbl34", twips(480, 4200, 1815, 495));
    caption(14, QStringLiteral("البقر والجاموس صنف يضم بعضه الى بعض"),
            twips(720, 4920, 3435, 435), remarkFont);

    // The note block the camel and cattle panels share.
    caption(12, QStringLiteral("ملاحظــــــــــات"), twips(5040, 4920, 2175, 615), captionFont);
    Command4 = button("Command4", QStringLiteral("بقر"), twips(4320, 4920, 615, 615),
                      noteButtonFont);
    Command5 = button("Command5", QStringLiteral("ابل"), twips(7560, 4920, 615, 615),
                      noteButtonFont);
    lbl15 = note("lbl15", twips(8880, 5520, 2565, 480));
    lbl16 = note("lbl16", twips(8880, 6000, 2565, 480));
    lbl17 = note("lbl17", twips(8880, 6480, 2565, 480));
    lbl18 = note("lbl18", twips(8880, 6960, 2565, 480));
    lbl19 = note("lbl19", twips(8850, 7440, 2565, 480));

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("Command7"), twips(720, 6120, 1935, 735),
                       QStringLiteral("Command6"), twips(720, 7320, 1935, 735), Colour::Green);
    Command7 = backAndExit.back;
    Command6 = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); },
                         {lbl1, lbl11, lbl13, lbl14, lbl2, lbl21, lbl3, lbl31, lbl33, lbl34});

    // Heard apart: the window by what it computes, each button by its panel,
    // each cell by its panel, column and row.
    setAccessibleName(kSummaryHeading);
    Command1->setAccessibleName(kComputeSpoken.arg(kCamels));
    Command2->setAccessibleName(kComputeSpoken.arg(kSheep));
    Command3->setAccessibleName(kComputeSpoken.arg(kCattle));
    Command5->setAccessibleName(kNotesButtonSpoken.arg(Command5->text(), kCamels));
    Command4->setAccessibleName(kNotesButtonSpoken.arg(Command4->text(), kCattle));
    const std::tuple<QString, DesignLabel *, DesignLabel *, int> cells[] = {
        {kCamels, lbl1, lbl11, 1}, {kCamels, lbl13, lbl14, 2}, {kSheep, lbl2, lbl21, 1},
        {kCattle, lbl3, lbl31, 1}, {kCattle, lbl33, lbl34, 2}};
    for (const auto &[animal, count, kind, row] : cells) {
        count->setSpokenCaption(kCellSpoken.arg(animal, kCountHeading).arg(row));
        kind->setSpokenCaption(kCellSpoken.arg(animal, kKindHeading).arg(row));
    }

    Command1->setHandler([this] { Command1_Click(); });
    Command2->setHandler([this] { Command2_Click(); });
    Command3->setHandler([this] { Command3_Click(); });
    Command4->setHandler([this] { Command4_Click(); });
    Command5->setHandler([this] { Command5_Click(); });
    for (NoteLine *line : {lbl15, lbl16, lbl17, lbl18, lbl19})
        connect(line, &NoteLine::clicked, this, &frmzakat1::showNotesWhole);
    auto *readNotes = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(readNotes, &QShortcut::activated, this, &frmzakat1::showNotesWhole);
    // Enter in a count field computes that field's panel.
    Text1->setEnterHandler([this] { Command1_Click(); });
    Text2->setEnterHandler([this] { Command2_Click(); });
    Text3->setEnterHandler([this] { Command3_Click(); });
    // A result on screen belongs to the count beside it: an edit of a count
    // takes back its panel's rows, and the notes when they are that animal's.
    Text1->setChangeHandler([this] { Text1_Change(); });
    Text2->setChangeHandler([this] { Text2_Change(); });
    Text3->setChangeHandler([this] { Text3_Change(); });

    // The headings sit on the edges of the tables, opaque; the frames and rules
    // are drawn over them so that every table keeps its whole border.
    for (OutlineShape *frame : findChildren<OutlineShape *>())
        frame->raise();
    for (LineShape *rule : findChildren<LineShape *>())
        rule->raise();

    applyTabOrder(this, {QStringLiteral("Command1"), QStringLiteral("Text1"),
                         QStringLiteral("Text2"), QStringLiteral("Text3"),
                         QStringLiteral("Command2"), QStringLiteral("Command3"),
                         QStringLiteral("Command4"), QStringLiteral("Command5"),
                         QStringLiteral("Command6"), QStringLiteral("Command7")});
}

void frmzakat1::Command1_Click()
{
    if (const auto rows = rowsForEntry(Text1->text(), camelsReset, camelsDue)) {
        showHerd(*rows, lbl1, lbl11, lbl13, lbl14, kCamels);
        announceDue(Text1, kCamels, {rows->first, rows->second}, rows->notes[0]);
    }
}

void frmzakat1::Command2_Click()
{
    if (const auto row = rowsForEntry(Text2->text(), sheepReset, sheepDue)) {
        lbl2->setText(row->count);
        lbl21->setText(row->kind);
        announceDue(Text2, kSheep, {*row}, kNothingDueSpoken);
    }
}

void frmzakat1::Command3_Click()
{
    if (const auto rows = rowsForEntry(Text3->text(), cattleReset, cattleDue)) {
        showHerd(*rows, lbl3, lbl31, lbl33, lbl34, kCattle);
        announceDue(Text3, kCattle, {rows->first, rows->second}, rows->notes[0]);
    }
}

void frmzakat1::announceDue(const EntryField *count, const QString &animal,
                            const QList<DueRow> &rows, const QString &whyNothing)
{
    if (!showsNumber(count->text()))
        return; // an empty field only clears the panel
    QStringList due;
    for (const DueRow &row : rows)
        if (readNumber(row.count).value_or(0) > 0)
            due << row.count + u' ' + row.kind;
    const QString what = !due.isEmpty()        ? due.join(kAndSpoken)
                         : showsWords(whyNothing) ? whyNothing
                                                  : kNothingDueSpoken;
    ui::announce(this, kDueSpoken.arg(trimBlanks(count->text()), animal, what));
}

void frmzakat1::Text1_Change()
{
    clearHerd(lbl1, lbl11, lbl13, lbl14, kCamels);
}

void frmzakat1::Text2_Change()
{
    lbl2->setText(kCellPlaceholder);
    lbl21->setText(kCellPlaceholder);
}

void frmzakat1::Text3_Change()
{
    clearHerd(lbl3, lbl31, lbl33, lbl34, kCattle);
}

void frmzakat1::clearHerd(DesignLabel *firstCount, DesignLabel *firstKind,
                          DesignLabel *secondCount, DesignLabel *secondKind,
                          const QString &animal)
{
    for (DesignLabel *cell : {firstCount, firstKind, secondCount, secondKind})
        cell->setText(kCellPlaceholder);
    if (m_notesAbout != animal)
        return; // the notes are the other animal's, and still true
    for (NoteLine *line : {lbl15, lbl16, lbl17, lbl18, lbl19})
        line->setText(kNotePlaceholder);
    m_notesAbout.clear();
    if (m_notesPanel && m_notesPanel->isVisible())
        m_notesPanel->setNotes(m_notesAbout, notesShown());
}

void frmzakat1::Command4_Click()
{
    Command3_Click();
}

void frmzakat1::Command5_Click()
{
    Command1_Click();
}

void frmzakat1::showHerd(const HerdRows &rows, DesignLabel *firstCount, DesignLabel *firstKind,
                         DesignLabel *secondCount, DesignLabel *secondKind,
                         const QString &animal)
{
    firstCount->setText(rows.first.count);
    firstKind->setText(rows.first.kind);
    secondCount->setText(rows.second.count);
    secondKind->setText(rows.second.kind);
    const std::array<NoteLine *, 5> lines = {lbl15, lbl16, lbl17, lbl18, lbl19};
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i]->setText(rows.notes[i]);
    m_notesAbout = animal;
    if (m_notesPanel && m_notesPanel->isVisible())
        m_notesPanel->setNotes(m_notesAbout, notesShown()); // the keyboard stays in the field
}

QStringList frmzakat1::notesShown() const
{
    // The dotted placeholders of the lines a result does not need are no notes.
    QStringList notes;
    for (const NoteLine *line : {lbl15, lbl16, lbl17, lbl18, lbl19})
        if (showsWords(line->text()))
            notes << trimBlanks(line->text());
    return notes;
}

void frmzakat1::showNotesWhole()
{
    if (!m_notesPanel)
        m_notesPanel = new NotesPanel(this);
    m_notesPanel->setNotes(m_notesAbout, notesShown());
    m_notesPanel->present();
}

ComputationSummary frmzakat1::summary() const
{
    // A panel's rows belong to the count in its field only while they are
    // what that count gives: a count typed after the last "احسب" has no
    // result yet, and the summary says so rather than pair it with another's.
    const auto camels = rowsForEntry(Text1->text(), camelsReset, camelsDue);
    const auto sheep = rowsForEntry(Text2->text(), sheepReset, sheepDue);
    const auto cattle = rowsForEntry(Text3->text(), cattleReset, cattleDue);
    auto shown = [](DesignLabel *count, DesignLabel *kind) {
        return DueRow{count->text(), kind->text()};
    };
    const bool camelsCurrent = camels && camels->first == shown(lbl1, lbl11)
        && camels->second == shown(lbl13, lbl14);
    const bool sheepCurrent = sheep && *sheep == shown(lbl2, lbl21);
    const bool cattleCurrent = cattle && cattle->first == shown(lbl3, lbl31)
        && cattle->second == shown(lbl33, lbl34);

    struct Panel {
        DesignLabel *heading;
        EntryField *count;
        DesignLabel *countCaption;
        DesignLabel *dueCaption;
        std::array<std::pair<DesignLabel *, DesignLabel *>, 2> rows; // count, kind
        bool current;
    };
    const Panel panels[] = {
        {lbla1_0, Text1, Label1[0], Label1[1], {{{lbl1, lbl11}, {lbl13, lbl14}}}, camelsCurrent},
        {lbla1_1, Text2, Label1[11], Label1[4], {{{lbl2, lbl21}, {nullptr, nullptr}}},
         sheepCurrent},
        {lbla1_2, Text3, Label1[10], Label1[7], {{{lbl3, lbl31}, {lbl33, lbl34}}}, cattleCurrent},
    };
    ComputationSummary summary;
    summary.heading = kSummaryHeading;
    for (const Panel &panel : panels) {
        if (!showsNumber(panel.count->text()))
            continue;
        summary.addLine(panel.heading->text());
        summary.add(panel.countCaption->text(), panel.count->text());
        if (!panel.current) {
            summary.addLine(kNotComputedYet);
            continue;
        }
        // A row shows animals due; an empty row's count is "000" or dots.
        for (const auto &[count, kind] : panel.rows)
            if (count && readNumber(count->text()).value_or(0) > 0)
                summary.add(panel.dueCaption->text(), count->text(), kind->text());
    }
    // The notes, while they belong to a result the summary shows.
    const bool notesCurrent = (m_notesAbout == kCamels && camelsCurrent && camels
                               && camels->notes == notesOnLines())
        || (m_notesAbout == kCattle && cattleCurrent && cattle
            && cattle->notes == notesOnLines());
    const QStringList notes = notesShown();
    if (notesCurrent && !notes.isEmpty()) {
        // Named by their animal: after the cattle section, bare notes would
        // read as the cattle's.
        summary.addLine(kNotesOf.arg(m_notesAbout));
        for (const QString &note : notes)
            summary.addLine(note);
    }
    return summary;
}

NoteLines frmzakat1::notesOnLines() const
{
    return {lbl15->text(), lbl16->text(), lbl17->text(), lbl18->text(), lbl19->text()};
}
