// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// Replays every input kept in the fuzz corpus through the number properties
// and the whole-wealth and Zakat al-Fitr ones, so that an input that once
// found a fault, or reached a rare path of the reader or the rules, keeps
// guarding it in every ordinary test run.

#include "tests/fuzz/numbercheck.h"
#include "tests/fuzz/recordcheck.h"
#include "tests/fuzz/wealthcheck.h"

#include <QDir>
#include <QFile>
#include <QTest>

class FuzzCorpusTest : public QObject {
    Q_OBJECT
private slots:
    void corpusIsKept();
    void everyCorpusInputKeepsTheNumberProperties_data();
    void everyCorpusInputKeepsTheNumberProperties();
    void referenceGrammarSeparatesNumbersFromOtherTexts_data();
    void referenceGrammarSeparatesNumbersFromOtherTexts();
};

namespace {

QFileInfoList corpusFiles()
{
    return QDir(QStringLiteral(ZAKAT_FUZZ_CORPUS)).entryInfoList(QDir::Files, QDir::Name);
}

} // namespace

void FuzzCorpusTest::corpusIsKept()
{
    // A missing or emptied corpus would make the replay pass without checking anything.
    QVERIFY2(corpusFiles().size() >= 20, qPrintable(QStringLiteral(ZAKAT_FUZZ_CORPUS)));
}

void FuzzCorpusTest::everyCorpusInputKeepsTheNumberProperties_data()
{
    QTest::addColumn<QString>("path");
    for (const QFileInfo &file : corpusFiles())
        QTest::newRow(qPrintable(file.fileName())) << file.filePath();
}

void FuzzCorpusTest::everyCorpusInputKeepsTheNumberProperties()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QStringList faults = numberInputFaults(bytes) + wealthInputFaults(bytes)
        + fitrInputFaults(bytes) + recordInputFaults(bytes);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

// The checks are only as good as the grammar they hold the reader to.
void FuzzCorpusTest::referenceGrammarSeparatesNumbersFromOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::addColumn<QString>("spelling");
    QTest::newRow("whole") << "85" << true << "85";
    QTest::newRow("blanks around") << "  -2.5e3 " << true << "-2.5e3";
    QTest::newRow("separator first") << ".5" << true << ".5";
    QTest::newRow("separator last") << "+5." << true << "+5.";
    QTest::newRow("arabic scripts and separator")
        << QStringLiteral("١٢٫۵E-۳") << true << "12.5E-3";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("separator only") << "." << false << "";
    QTest::newRow("inner blank") << "12 5" << false << "";
    QTest::newRow("tab before") << "\t5" << false << "";
    QTest::newRow("two separators") << "1.2.3" << false << "";
    QTest::newRow("two signs") << "+-5" << false << "";
    QTest::newRow("bare exponent") << "5E" << false << "";
    QTest::newRow("exponent without mantissa") << "E5" << false << "";
    QTest::newRow("letter") << "12a" << false << "";
    QTest::newRow("inf") << "inf" << false << "";
    QTest::newRow("hex") << "0x1p3" << false << "";
    QTest::newRow("grouping") << "1,000" << false << "";
}

void FuzzCorpusTest::referenceGrammarSeparatesNumbersFromOtherTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QFETCH(QString, spelling);
    const auto reference = referenceSpelling(text);
    QCOMPARE(reference.has_value(), number);
    if (number)
        QCOMPARE(QString::fromStdString(*reference), spelling);
}

QTEST_APPLESS_MAIN(FuzzCorpusTest)
#include "test_fuzz_corpus.moc"
