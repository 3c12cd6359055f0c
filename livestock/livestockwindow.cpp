// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/livestockwindow.h"

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

LivestockWindow::LivestockWindow() : DesignWindow(kCalculatorTwips)
{
    const DesignScale &at = scale();
    setUpWindow(this, QStringLiteral("frmzakat1"), kCaption, at.size(kCalculatorTwips),
                Colour::FieldGreen, true, at.font(Face::TraditionalArabic, 14.25, Bold));

    // Decoration first, so that it lies beneath the labels.
    auto shape = [&](int index, const QRect &bounds) {
        new OutlineShape(this, QStringLiteral("Shape1(%1)").arg(index), bounds, Colour::White);
    };
    auto line = [&](int index, int x1, int y1, int x2, int y2) {
        new LineShape(this, QStringLiteral("Line1(%1)").arg(index), at.point(x1, y1),
                      at.point(x2, y2), Colour::White);
    };
    shape(0, at.rect(8520, 2640, 3255, 735));
    shape(1, at.rect(8520, 3360, 3255, 735));
    shape(6, at.rect(8520, 4080, 3255, 735));
    shape(2, at.rect(4800, 2760, 3375, 735));
    shape(3, at.rect(4800, 3480, 3375, 735));
    shape(4, at.rect(480, 2640, 3615, 735));
    shape(5, at.rect(480, 3360, 3615, 735));
    shape(7, at.rect(480, 4080, 3615, 735));
    line(0, 10080, 2640, 10080, 4800);
    line(1, 6360, 2760, 6360, 4200);
    line(2, 2160, 2640, 2160, 4800);
    line(3, 4320, 600, 4320, 5040);
    line(4, 8280, 720, 8280, 5040);

    const QFont headingFont = at.font(Face::Arial, 18, Bold | Underlined);
    const QFont captionFont = at.font(Face::Arial, 15.75, Bold | Italic);
    const QFont remarkFont = at.font(Face::TraditionalArabic, 14.25, Bold | Italic);
    const QFont fieldFont = at.font(Face::SimplifiedArabic, 14.25, Bold);
    const QFont computeFont = at.font(Face::Arial, 14.25, Bold);
    const QFont cellFont = at.font(Face::SimplifiedArabic, 12, Bold);
    const QFont noteButtonFont = at.font(Face::Arial, 11.25, Bold);
    const QFont noteFont = at.font(Face::TraditionalArabic, 15.75, Bold);

    auto fixed = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QFont &font) {
        return new DesignLabel(this, name, text, bounds, font, Colour::White, Align::Centre,
                               Colour::FieldGreen);
    };
    auto caption = [&](int index, const QString &text, const QRect &bounds, const QFont &font) {
        return fixed(QStringLiteral("Label1(%1)").arg(index), text, bounds, font);
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
    camels.heading = fixed(QStringLiteral("lbla1(0)"), QStringLiteral("الإبـــــــــل"),
                           at.rect(9240, 120, 2175, 735), headingFont);
    camels.countCaption = caption(0, kCountCaption, at.rect(8760, 840, 2775, 615), captionFont);
    camels.countField = field("Text1", at.rect(9240, 1440, 2415, 615));
    camels.countField->setAccessibleName(kCountCaption + QStringLiteral(" - الإبل"));
    camels.computeButton = button("Command1", kComputeText, at.rect(8400, 1440, 855, 615),
                                  computeFont);
    camels.dueCaption = caption(1, kDueCaption, at.rect(8640, 2040, 2775, 615), captionFont);
    camels.kindHeading = caption(2, kKindHeading, at.rect(8760, 2640, 1455, 615), captionFont);
    camels.countHeading = caption(3, kCountHeading, at.rect(10320, 2640, 1095, 615),
                                  captionFont);
    camels.rows[0] = {cell("lbl1", at.rect(10920, 3480, 405, 525)),
                      cell("lbl11", at.rect(8400, 3480, 1575, 495))};
    camels.rows[1] = {cell("lbl13", at.rect(10080, 4200, 1575, 495)),
                      cell("lbl14", at.rect(8640, 4200, 1335, 495))};

    // Sheep and goats, in the middle.
    sheep.heading = fixed(QStringLiteral("lbla1(1)"), QStringLiteral("الغنـــــم"),
                          at.rect(5160, 120, 2175, 735), headingFont);
    sheep.countCaption = caption(11, kCountCaption, at.rect(4920, 840, 2775, 615), captionFont);
    sheep.countField = field("Text2", at.rect(5520, 1440, 2175, 615));
    sheep.countField->setAccessibleName(kCountCaption + QStringLiteral(" - الغنم"));
    sheep.computeButton = button("Command2", kComputeText, at.rect(4560, 1440, 855, 615),
                                 computeFont);
    sheep.dueCaption = caption(4, kDueCaption, at.rect(5040, 2160, 2775, 615), captionFont);
    sheep.kindHeading = caption(5, kKindHeading, at.rect(4920, 2760, 1455, 615), captionFont);
    sheep.countHeading = caption(6, kCountHeading, at.rect(6720, 2760, 1095, 615), captionFont);
    sheep.rows[0] = {cell("lbl2", at.rect(6480, 3600, 1605, 555)),
                     cell("lbl21", at.rect(4680, 3600, 1695, 495))};
    sheepRemark = caption(13, QStringLiteral("الغنم والماعز صنف واحد يضم بعضه الى بعض"),
                          at.rect(4455, 4320, 3705, 435), remarkFont);

    // Cattle and buffalo, on the left.
    cattle.heading = fixed(QStringLiteral("lbla1(2)"), QStringLiteral("البقــــر"),
                           at.rect(1200, 0, 2175, 855), headingFont);
    cattle.countCaption = caption(10, kCountCaption, at.rect(840, 840, 2775, 615), captionFont);
    cattle.countField = field("Text3", at.rect(1320, 1440, 2415, 615));
    cattle.countField->setAccessibleName(kCountCaption + QStringLiteral(" - البقر"));
    cattle.computeButton = button("Command3", kComputeText, at.rect(360, 1440, 855, 615),
                                  computeFont);
    cattle.dueCaption = caption(7, kDueCaption, at.rect(960, 2160, 2775, 615), captionFont);
    cattle.kindHeading = caption(8, kKindHeading, at.rect(720, 2640, 1455, 615), captionFont);
    cattle.countHeading = caption(9, kCountHeading, at.rect(2280, 2640, 1095, 615), captionFont);
    cattle.rows[0] = {cell("lbl3", at.rect(2880, 3480, 405, 525)),
                      cell("lbl31", at.rect(480, 3360, 1695, 735))};
    cattle.rows[1] = {cell("lbl33", at.rect(2160, 4200, 1815, 495)),
                      cell("lbl34", at.rect(480, 4200, 1815, 495))};
    cattleRemark = caption(14, QStringLiteral("البقر والجاموس صنف يضم بعضه الى بعض"),
                           at.rect(720, 4920, 3435, 435), remarkFont);

    // The note block the camel and cattle panels share.
    notesCaption = caption(12, QStringLiteral("ملاحظــــــــــات"), at.rect(5040, 4920, 2175, 615),
                           captionFont);
    cattleNotesButton = button("Command4", QStringLiteral("بقر"), at.rect(4320, 4920, 615, 615),
                               noteButtonFont);
    camelNotesButton = button("Command5", QStringLiteral("ابل"), at.rect(7560, 4920, 615, 615),
                              noteButtonFont);
    noteLines = {note("lbl15", at.rect(8880, 5520, 2565, 480)),
                 note("lbl16", at.rect(8880, 6000, 2565, 480)),
                 note("lbl17", at.rect(8880, 6480, 2565, 480)),
                 note("lbl18", at.rect(8880, 6960, 2565, 480)),
                 note("lbl19", at.rect(8850, 7440, 2565, 480))};
    m_notes.fill(kNotePlaceholder);

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("Command7"), at.rect(720, 6120, 1935, 735),
                       QStringLiteral("Command6"), at.rect(720, 7320, 1935, 735), Colour::Green);
    backButton = backAndExit.back;
    exitButton = backAndExit.exit;
    QList<DesignLabel *> cells;
    for (const Panel *panel : {&camels, &sheep, &cattle})
        for (const Panel::Row &row : panel->rows)
            if (row.count)
                cells << row.count << row.kind;
    addCalculatorActions(this, backAndExit, [this] { return summary(); }, cells);
    for (NoteLine *line : noteLines) // after the cells, while they show a note
        line->makeReachable();

    // Heard apart: the window by what it computes, each button by its panel,
    // each cell by its panel, column and row.
    setAccessibleName(kSummaryHeading);
    camelNotesButton->setAccessibleName(kNotesButtonSpoken.arg(camelNotesButton->text(), kCamels));
    cattleNotesButton->setAccessibleName(
        kNotesButtonSpoken.arg(cattleNotesButton->text(), kCattle));
    const std::pair<const Panel *, QString> panels[] = {
        {&camels, kCamels}, {&sheep, kSheep}, {&cattle, kCattle}};
    for (const auto &[panel, animal] : panels) {
        panel->computeButton->setAccessibleName(kComputeSpoken.arg(animal));
        for (std::size_t row = 0; row < panel->rows.size(); ++row) {
            if (!panel->rows[row].count)
                continue;
            panel->rows[row].count->setSpokenCaption(
                kCellSpoken.arg(animal, kCountHeading).arg(row + 1));
            panel->rows[row].kind->setSpokenCaption(
                kCellSpoken.arg(animal, kKindHeading).arg(row + 1));
        }
    }

    camels.computeButton->setHandler([this] { computeCamels(); });
    sheep.computeButton->setHandler([this] { computeSheep(); });
    cattle.computeButton->setHandler([this] { computeCattle(); });
    cattleNotesButton->setHandler([this] { computeCattle(); });
    camelNotesButton->setHandler([this] { computeCamels(); });
    for (NoteLine *line : noteLines)
        connect(line, &NoteLine::clicked, this, &LivestockWindow::showNotesWhole);
    auto *readNotes = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(readNotes, &QShortcut::activated, this, &LivestockWindow::showNotesWhole);
    // Enter in a count field computes that field's panel.
    camels.countField->setEnterHandler([this] { computeCamels(); });
    sheep.countField->setEnterHandler([this] { computeSheep(); });
    cattle.countField->setEnterHandler([this] { computeCattle(); });
    // A result on screen belongs to the count beside it: an edit of a count
    // takes back its panel's rows, and the notes when they are that animal's.
    camels.countField->setChangeHandler([this] { camelsChanged(); });
    sheep.countField->setChangeHandler([this] { sheepChanged(); });
    cattle.countField->setChangeHandler([this] { cattleChanged(); });

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

QString LivestockWindow::nameOf(Animal animal)
{
    switch (animal) {
    case Animal::None:
        break;
    case Animal::Camels:
        return kCamels;
    case Animal::Sheep:
        return kSheep;
    case Animal::Cattle:
        return kCattle;
    }
    return QString();
}

void LivestockWindow::computeCamels()
{
    computeHerd(camels, m_camels, Animal::Camels, camelsReset, camelsDue);
}

void LivestockWindow::computeCattle()
{
    computeHerd(cattle, m_cattle, Animal::Cattle, cattleReset, cattleDue);
}

void LivestockWindow::computeHerd(Panel &panel, std::optional<Shown> &shown, Animal animal,
                                  HerdRows (*reset)(), std::optional<HerdDue> (*due)(double))
{
    const QString entry = panel.countField->text();
    const HeadCount read = readHeadCount(entry);
    if (read.empty) {
        shown = Shown{entry, std::nullopt};
        showRows(panel, reset(), animal);
        return;
    }
    const auto found = read.count ? due(*read.count) : std::nullopt;
    if (!found)
        return;
    shown = Shown{entry, found};
    showRows(panel, herdRows(*found), animal);
    announceDue(*shown, animal, found->notes[0]);
}

void LivestockWindow::computeSheep()
{
    const QString entry = sheep.countField->text();
    const HeadCount read = readHeadCount(entry);
    std::optional<HerdDue> found;
    if (!read.empty) {
        const auto head = read.count ? sheepDue(*read.count) : std::nullopt;
        if (!head)
            return;
        const DueRow row = sheepRow(*head);
        found = HerdDue{*head, row.kind, 0, QString(), {}};
    }
    m_sheep = Shown{entry, found};
    const DueRow row = found ? sheepRow(found->firstCount) : sheepReset();
    sheep.rows[0].count->setText(row.count);
    sheep.rows[0].kind->setText(row.kind);
    if (found)
        announceDue(*m_sheep, Animal::Sheep, kNothingDueSpoken);
}

void LivestockWindow::announceDue(const Shown &shown, Animal animal, const QString &whyNothing)
{
    const HerdDue &due = *shown.due;
    QStringList rows;
    if (due.firstCount > 0)
        rows << integerText(due.firstCount) + u' ' + due.firstKind;
    if (due.secondCount > 0)
        rows << integerText(due.secondCount) + u' ' + due.secondKind;
    const QString what = !rows.isEmpty()            ? rows.join(kAndSpoken)
                         : showsWords(whyNothing) ? whyNothing
                                                  : kNothingDueSpoken;
    ui::announce(this, kDueSpoken.arg(trimBlanks(shown.count), nameOf(animal), what));
}

void LivestockWindow::camelsChanged()
{
    clearHerd(camels, m_camels, Animal::Camels);
}

void LivestockWindow::sheepChanged()
{
    m_sheep.reset();
    sheep.rows[0].count->setText(kCellPlaceholder);
    sheep.rows[0].kind->setText(kCellPlaceholder);
}

void LivestockWindow::cattleChanged()
{
    clearHerd(cattle, m_cattle, Animal::Cattle);
}

void LivestockWindow::clearHerd(Panel &panel, std::optional<Shown> &shown, Animal animal)
{
    shown.reset();
    for (const Panel::Row &row : panel.rows) {
        row.count->setText(kCellPlaceholder);
        row.kind->setText(kCellPlaceholder);
    }
    if (m_notesAbout != animal)
        return; // the notes are the other animal's, and still true
    m_notes.fill(kNotePlaceholder);
    for (NoteLine *line : noteLines)
        line->setText(kNotePlaceholder);
    m_notesAbout = Animal::None;
    refreshNotesPanel();
}

void LivestockWindow::showRows(Panel &panel, const HerdRows &rows, Animal animal)
{
    panel.rows[0].count->setText(rows.first.count);
    panel.rows[0].kind->setText(rows.first.kind);
    panel.rows[1].count->setText(rows.second.count);
    panel.rows[1].kind->setText(rows.second.kind);
    m_notes = rows.notes;
    for (std::size_t i = 0; i < noteLines.size(); ++i)
        noteLines[i]->setText(m_notes[i]);
    m_notesAbout = animal;
    refreshNotesPanel(); // the keyboard stays in the field
}

void LivestockWindow::refreshNotesPanel()
{
    if (m_notesPanel && m_notesPanel->isVisible())
        m_notesPanel->setNotes(nameOf(m_notesAbout), notesShown());
}

QStringList LivestockWindow::notesShown() const
{
    // The dotted placeholders of the lines a result does not need are no notes.
    QStringList notes;
    for (const QString &note : m_notes)
        if (showsWords(note))
            notes << trimBlanks(note);
    return notes;
}

void LivestockWindow::showNotesWhole()
{
    if (!m_notesPanel)
        m_notesPanel = new NotesPanel(this);
    m_notesPanel->setNotes(nameOf(m_notesAbout), notesShown());
    m_notesPanel->present();
}

ComputationSummary LivestockWindow::summary() const
{
    // A panel's rows belong to the count in its field only while nothing was
    // typed since they were computed: a count typed after the last "احسب"
    // has no result yet, and the summary says so rather than pair it with
    // another's.
    const std::pair<const Panel *, const std::optional<Shown> *> panels[] = {
        {&camels, &m_camels}, {&sheep, &m_sheep}, {&cattle, &m_cattle}};
    ComputationSummary summary;
    summary.heading = kSummaryHeading;
    for (const auto &[panel, shown] : panels) {
        if (!showsNumber(panel->countField->text()))
            continue;
        summary.addLine(panel->heading->text());
        summary.add(panel->countCaption->text(), panel->countField->text());
        if (!*shown || !(*shown)->due) {
            summary.addLine(kNotComputedYet);
            continue;
        }
        const HerdDue &due = *(*shown)->due;
        if (due.firstCount > 0)
            summary.add(panel->dueCaption->text(), integerText(due.firstCount), due.firstKind);
        if (due.secondCount > 0)
            summary.add(panel->dueCaption->text(), integerText(due.secondCount), due.secondKind);
    }
    // The notes, while they belong to a result the summary shows: the notes
    // of a panel go with its result, and its field holds a count.
    const QStringList notes = notesShown();
    const std::optional<Shown> *owner = m_notesAbout == Animal::Camels ? &m_camels
        : m_notesAbout == Animal::Cattle                               ? &m_cattle
                                                                       : nullptr;
    if (owner && *owner && (*owner)->due && !notes.isEmpty()) {
        // Named by their animal: after the cattle section, bare notes would
        // read as the cattle's.
        summary.addLine(kNotesOf.arg(nameOf(m_notesAbout)));
        for (const QString &note : notes)
            summary.addLine(note);
    }
    return summary;
}
