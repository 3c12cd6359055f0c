// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// A household's zakat record: its members, each member's hawl, one saved
// computation a Hijri year per member, and the payments made against it.
// Figures are kept as the texts the user typed and read, never as numbers,
// so that a record opened again gives back exactly what was on screen.

// The day of the Hijri year on which a member's zakat falls due
// (QCalendar::System::IslamicCivil). Day 30 is allowed in every month: in a
// month of 29 days it falls on the last day.
struct Hawl {
    int day = 0;   // 1..30
    int month = 0; // 1..12
    bool operator==(const Hawl &other) const { return day == other.day && month == other.month; }
};

// The fields of a window in its order: a field's objectName ("cash",
// "goldPrice", "nisabBasis") and its text exactly as typed, chosen or shown.
using Fields = QList<std::pair<QString, QString>>;

// The keys of the results every record carries: the table shows them.
inline const QString kNetWealthKey = QStringLiteral("netWealth");
inline const QString kDueKey = QStringLiteral("due");

struct Payment {
    QDate date;
    QString amount; // as typed, see readAmount
    QString note;
    bool operator==(const Payment &other) const
    {
        return date == other.date && amount == other.amount && note == other.note;
    }
};

inline constexpr int kLargestHijriYear = 9999;

struct Record {
    int hijriYear = 0; // 1..kLargestHijriYear: the zakat year it belongs to, see zakatYear
    QDate date;        // the day of the computation
    Fields entries;
    Fields results;
    QList<Payment> payments; // in the order they were added

    // The text of an entry or result by key; empty when there is none.
    static QString text(const Fields &fields, const QString &key);

    bool operator==(const Record &other) const
    {
        return hijriYear == other.hijriYear && date == other.date && entries == other.entries
            && results == other.results && payments == other.payments;
    }
};

struct Member {
    int id = 0; // never reused within a household
    QString name;
    std::optional<Hawl> hawl; // unset until chosen or until the first save
    QList<Record> records;    // by Hijri year, oldest first

    const Record *record(int hijriYear) const;

    bool operator==(const Member &other) const
    {
        return id == other.id && name == other.name && hawl == other.hawl && records == other.records;
    }
};

// What a change made, or why it made none. A change that is refused leaves
// the household exactly as it was.
enum class Change {
    Done,
    ReplacesRecord, // a record of that year exists: save again with replace to overwrite it
    HasRecords,     // the member has records: remove again with evenWithRecords
    NoSuchMember,
    NoSuchRecord,
    NoSuchPayment,
    EmptyName,
    NameTaken,
    LastMember, // a household keeps at least one member
    BadAmount,  // a payment that is no amount of money above zero, see readAmount
    BadDate,
    BadHawl,
    BadYear,
};

class Household {
public:
    // A new household: one member, "أنا", whose id is always 1, so that two
    // copies of the program that both start without a store agree on it.
    Household();

    const QList<Member> &members() const { return m_members; }
    bool operator==(const Household &other) const
    {
        return m_nextMemberId == other.m_nextMemberId && m_members == other.m_members;
    }
    bool operator!=(const Household &other) const { return !(*this == other); }
    const Member *member(int id) const;
    int nextMemberId() const { return m_nextMemberId; }

    Change addMember(const QString &name, int *newId = nullptr);
    Change renameMember(int id, const QString &name);
    // Removing a member who has records is refused with HasRecords unless
    // evenWithRecords, so that the window can ask first.
    Change removeMember(int id, bool evenWithRecords);
    Change setHawl(int id, Hawl hawl);

    // Saves the record for its Hijri year. An existing record of that year is
    // replaced only with replace (otherwise ReplacesRecord, nothing changed),
    // and its payments stay: they were paid whatever the recomputation says.
    // Payments are added one by one, never with the record: a new record has
    // none. A member's first save sets an unset hawl to the day of the record.
    Change saveRecord(int memberId, Record record, bool replace);
    Change deleteRecord(int memberId, int hijriYear);

    // A payment is found by its contents rather than its place, so that a
    // copy of the program showing an older list never edits the wrong one.
    Change addPayment(int memberId, int hijriYear, const Payment &payment);
    Change editPayment(int memberId, int hijriYear, const Payment &was, const Payment &now);
    Change removePayment(int memberId, int hijriYear, const Payment &payment);

    // For the store: a household as read from a file, checked there.
    static Household fromMembers(QList<Member> members, int nextMemberId);

private:
    Member *find(int id);
    Record *findRecord(int memberId, int hijriYear, Change *problem);
    Change checkName(const QString &name, int exceptId) const;

    QList<Member> m_members;
    int m_nextMemberId = 1;
};

// The name the first member starts with.
inline const QString kFirstMemberName = QStringLiteral("أنا");
