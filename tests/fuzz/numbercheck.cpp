// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/fuzz/numbercheck.h"

#include "core/numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// The text as code points, so that a fault report shows exactly what was read.
QString describe(const QString &text)
{
    constexpr qsizetype shown = 60;
    QString codes;
    const auto points = text.left(shown).toUcs4();
    for (const char32_t point : points)
        codes += QStringLiteral(" U+%1").arg(uint(point), 4, 16, QLatin1Char('0')).toUpper();
    if (text.size() > shown)
        codes += QStringLiteral(" ... (%1 units)").arg(text.size());
    return QStringLiteral("[%1 ]").arg(codes);
}

QString describe(double value)
{
    return QString::number(value, 'g', 17);
}

// The text without the spaces around it, spelt independently of the reader.
QString trimmedOfBlanks(const QString &text)
{
    static const QRegularExpression outerBlanks(QStringLiteral("^ +| +$"));
    return QString(text).remove(outerBlanks);
}

bool hasLetterOtherThanExponentMark(const QString &text)
{
    const auto points = text.toUcs4();
    for (const char32_t point : points)
        if (point != U'e' && point != U'E' && QChar::isLetter(point))
            return true;
    return false;
}

bool hasBlank(const QString &text)
{
    const auto points = text.toUcs4();
    for (const char32_t point : points)
        if (QChar::isSpace(point))
            return true;
    return false;
}

// The separator number text must use: the locale's when it is "." or ",".
QChar expectedSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? u',' : u'.';
}

struct CReading {
    double value = 0;
    bool outOfRange = false;
};

// The C library's reading of an ASCII spelling with "." as the separator.
CReading readWithCLibrary(std::string spelling)
{
    const char *point = std::localeconv()->decimal_point;
    if (point && std::strcmp(point, ".") != 0) {
        const auto at = spelling.find('.');
        if (at != std::string::npos)
            spelling.replace(at, 1, point);
    }
    errno = 0;
    CReading reading;
    reading.value = std::strtod(spelling.c_str(), nullptr);
    reading.outOfRange = errno == ERANGE;
    return reading;
}

} // namespace

std::optional<std::string> referenceSpelling(const QString &text)
{
    const QString localePoint = QLocale().decimalPoint();
    std::string spelling;
    const QString trimmed = trimmedOfBlanks(text);
    for (const QChar c : trimmed) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            spelling += char(u);
        else if (u >= 0x0660 && u <= 0x0669)
            spelling += char('0' + (u - 0x0660));
        else if (u >= 0x06F0 && u <= 0x06F9)
            spelling += char('0' + (u - 0x06F0));
        else if (u == u'.' || u == 0x066B || (localePoint.size() == 1 && c == localePoint.at(0)))
            spelling += '.';
        else if (u == u'+' || u == u'-' || u == u'e' || u == u'E')
            spelling += char(u);
        else
            return std::nullopt;
    }
    static const QRegularExpression number(
        QStringLiteral("\\A[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?\\z"));
    if (!number.match(QString::fromLatin1(spelling.data(), qsizetype(spelling.size()))).hasMatch())
        return std::nullopt;
    return spelling;
}

QStringList numberValueFaults(double value)
{
    QStringList faults;
    const QString text = numberText(value);
    const QString where = QStringLiteral(" for %1, text %2").arg(describe(value), describe(text));
    if (!std::isfinite(value)) {
        if (!text.isEmpty())
            faults << QStringLiteral("number text of a value that is not finite is not empty") + where;
        return faults;
    }
    if (text.isEmpty())
        return faults << QStringLiteral("number text of a finite value is empty") + where;
    const QString lower = text.toLower();
    if (lower.contains(QLatin1String("inf")) || lower.contains(QLatin1String("nan")))
        faults << QStringLiteral("number text shows inf or nan") + where;

    static const QRegularExpression shape(QStringLiteral(
        "\\A(-?)([0-9]+)(?:([.,])([0-9]*[1-9]))?(?:E([+-])([0-9]{2,3}))?\\z"));
    const auto parts = shape.match(text);
    if (!parts.hasMatch())
        return faults << QStringLiteral("number text is not sign, digits 0-9, a fraction "
                                        "without trailing zeros and an exponent") + where;
    const QString whole = parts.captured(2);
    const QString fraction = parts.captured(4);
    const bool exponentForm = parts.hasCaptured(5);
    if (parts.hasCaptured(3) && parts.captured(3) != QString(expectedSeparator()))
        faults << QStringLiteral("number text uses another separator than the locale's") + where;
    QString significant = whole + fraction;
    while (significant.startsWith(u'0'))
        significant.remove(0, 1);
    if (significant.isEmpty() && !parts.captured(1).isEmpty())
        faults << QStringLiteral("number text is a negative zero") + where;
    if (significant.size() > 15)
        faults << QStringLiteral("number text has more than 15 significant digits") + where;
    if (exponentForm && (whole.size() != 1 || whole == QLatin1String("0")))
        faults << QStringLiteral("exponent form does not start with one non-zero digit") + where;
    if (!exponentForm && whole.size() > 1 && whole.startsWith(u'0'))
        faults << QStringLiteral("number text has leading zeros") + where;

    const auto readBack = readNumber(text);
    if (!readBack || !std::isfinite(*readBack))
        return faults << QStringLiteral("number text does not read back as a finite number") + where;
    const QString again = numberText(*readBack);
    if (again != text)
        faults << QStringLiteral("number text read back writes %1").arg(describe(again)) + where;
    const double magnitude = std::abs(*readBack);
    const bool wantsExponent = magnitude != 0 && (magnitude >= 1e15 || magnitude < 1e-4);
    if (exponentForm != wantsExponent)
        faults << QStringLiteral("exponent form used outside, or missing below 0.0001 or from 1E+15")
                      + where;
    if (std::abs(value) >= std::numeric_limits<double>::min()
        && !(std::abs(*readBack - value) <= std::abs(value) * 1e-14))
        faults << QStringLiteral("number text reads back %1, not the value to 15 digits")
                          .arg(describe(*readBack))
                      + where;
    return faults;
}

QStringList numberTextFaults(const QString &text)
{
    QStringList faults;
    const QString where = QStringLiteral(" for ") + describe(text);
    const auto read = readNumber(text);
    const auto spelling = referenceSpelling(text);

    if (read && hasLetterOtherThanExponentMark(text))
        faults << QStringLiteral("reader accepts a text with a letter") + where;
    if (read && hasBlank(trimmedOfBlanks(text)))
        faults << QStringLiteral("reader accepts a text with an inner blank") + where;

    if (!spelling) {
        if (read)
            faults << QStringLiteral("reader accepts a text that is no number: %1")
                              .arg(describe(*read))
                          + where;
        return faults;
    }
    const CReading reference = readWithCLibrary(*spelling);
    const bool overflows = reference.outOfRange && std::isinf(reference.value);
    if (overflows) {
        if (read)
            faults << QStringLiteral("reader accepts a number too large for a double: %1")
                              .arg(describe(*read))
                          + where;
        return faults;
    }
    if (!read)
        return faults << QStringLiteral("reader refuses a number the C library reads as %1")
                                 .arg(describe(reference.value))
                             + where;
    // Negative zero and zero are both plain zero to the reader.
    const double expected = reference.value == 0 ? 0.0 : reference.value;
    if (!(*read == expected))
        faults << QStringLiteral("reader gives %1, the C library %2")
                          .arg(describe(*read), describe(reference.value))
                      + where;
    if (*read == 0 && std::signbit(*read))
        faults << QStringLiteral("reader gives a negative zero") + where;
    faults += numberValueFaults(*read);
    return faults;
}

QStringList numberInputFaults(const QByteArray &bytes)
{
    QString asUtf16;
    if (bytes.size() >= 2) {
        asUtf16.resize(bytes.size() / 2);
        std::memcpy(asUtf16.data(), bytes.constData(), std::size_t(asUtf16.size()) * 2);
    }
    const QString texts[] = {QString::fromUtf8(bytes), asUtf16};
    std::optional<double> bitPattern;
    if (bytes.size() >= qsizetype(sizeof(double))) {
        double value;
        std::memcpy(&value, bytes.constData(), sizeof value);
        bitPattern = value;
    }

    return faultsUnderEachLocale([&] {
        QStringList found;
        for (const QString &text : texts)
            found += numberTextFaults(text);
        if (bitPattern)
            found += numberValueFaults(*bitPattern);
        return found;
    });
}

QStringList faultsUnderEachLocale(const std::function<QStringList()> &check)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    const QLocale previous;
    QStringList faults;
    for (const QLocale &locale : locales) {
        QLocale::setDefault(locale);
        for (const QString &fault : check())
            faults << QStringLiteral("%1 (locale %2)").arg(fault, locale.name());
    }
    QLocale::setDefault(previous);
    return faults;
}
