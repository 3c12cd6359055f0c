// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/household.h"

#include "core/numbers.h"
#include "records/amounts.h"
#include "records/hawl.h"

#include <algorithm>

namespace {

bool isPayable(const Payment &payment)
{
    const Amount amount = readAmount(payment.amount);
    return amount.problem == AmountProblem::None && amount.hundredths > 0;
}

} // namespace

QString Record::text(const Fields &fields, const QString &key)
{
    for (const auto &[name, text] : fields)
        if (name == key)
            return text;
    return QString();
}

const Record *Member::record(int hijriYear) const
{
    for (const Record &record : records)
        if (record.hijriYear == hijriYear)
            return &record;
    return nullptr;
}

Household::Household()
{
    m_members.append(Member{1, kFirstMemberName, std::nullopt, {}});
    m_nextMemberId = 2;
}

Household Household::fromMembers(QList<Member> members, int nextMemberId)
{
    Household household;
    household.m_members = std::move(members);
    household.m_nextMemberId = nextMemberId;
    return household;
}

const Member *Household::member(int id) const
{
    for (const Member &member : m_members)
        if (member.id == id)
            return &member;
    return nullptr;
}

Member *Household::find(int id)
{
    return const_cast<Member *>(std::as_const(*this).member(id));
}

Record *Household::findRecord(int memberId, int hijriYear, Change *problem)
{
    Member *member = find(memberId);
    if (!member) {
        *problem = Change::NoSuchMember;
        return nullptr;
    }
    for (Record &record : member->records)
        if (record.hijriYear == hijriYear)
            return &record;
    *problem = Change::NoSuchRecord;
    return nullptr;
}

Change Household::checkName(const QString &name, int exceptId) const
{
    if (name.isEmpty())
        return Change::EmptyName;
    for (const Member &member : m_members)
        if (member.id != exceptId && member.name == name)
            return Change::NameTaken; // the window tells members apart by name
    return Change::Done;
}

Change Household::addMember(const QString &typedName, int *newId)
{
    const QString name = trimBlanks(typedName);
    const Change problem = checkName(name, 0);
    if (problem != Change::Done)
        return problem;
    m_members.append(Member{m_nextMemberId, name, std::nullopt, {}});
    if (newId)
        *newId = m_nextMemberId;
    ++m_nextMemberId;
    return Change::Done;
}

Change Household::renameMember(int id, const QString &typedName)
{
    Member *member = find(id);
    if (!member)
        return Change::NoSuchMember;
    const QString name = trimBlanks(typedName);
    const Change problem = checkName(name, id);
    if (problem == Change::Done)
        member->name = name;
    return problem;
}

Change Household::removeMember(int id, bool evenWithRecords)
{
    const Member *member = this->member(id);
    if (!member)
        return Change::NoSuchMember;
    if (m_members.size() == 1)
        return Change::LastMember;
    if (!member->records.isEmpty() && !evenWithRecords)
        return Change::HasRecords;
    m_members.removeIf([id](const Member &m) { return m.id == id; });
    return Change::Done;
}

Change Household::setHawl(int id, Hawl hawl)
{
    Member *member = find(id);
    if (!member)
        return Change::NoSuchMember;
    if (!isValidHawl(hawl))
        return Change::BadHawl;
    member->hawl = hawl;
    return Change::Done;
}

Change Household::saveRecord(int memberId, Record record, bool replace)
{
    Member *member = find(memberId);
    if (!member)
        return Change::NoSuchMember;
    if (record.hijriYear < 1 || record.hijriYear > kLargestHijriYear)
        return Change::BadYear;
    if (!record.date.isValid())
        return Change::BadDate;
    const QDate day = record.date;
    auto at = std::find_if(member->records.begin(), member->records.end(),
                           [&](const Record &r) { return r.hijriYear >= record.hijriYear; });
    if (at != member->records.end() && at->hijriYear == record.hijriYear) {
        if (!replace)
            return Change::ReplacesRecord;
        record.payments = at->payments;
        *at = std::move(record);
    } else {
        record.payments.clear();
        member->records.insert(at, std::move(record));
    }
    if (!member->hawl)
        member->hawl = hawlOf(day);
    return Change::Done;
}

Change Household::deleteRecord(int memberId, int hijriYear)
{
    Change problem = Change::Done;
    if (!findRecord(memberId, hijriYear, &problem))
        return problem;
    find(memberId)->records.removeIf([&](const Record &r) { return r.hijriYear == hijriYear; });
    return Change::Done;
}

Change Household::addPayment(int memberId, int hijriYear, const Payment &payment)
{
    Change problem = Change::Done;
    Record *record = findRecord(memberId, hijriYear, &problem);
    if (!record)
        return problem;
    if (!payment.date.isValid())
        return Change::BadDate;
    if (!isPayable(payment))
        return Change::BadAmount;
    record->payments.append(payment);
    return Change::Done;
}

Change Household::editPayment(int memberId, int hijriYear, const Payment &was, const Payment &now)
{
    Change problem = Change::Done;
    Record *record = findRecord(memberId, hijriYear, &problem);
    if (!record)
        return problem;
    const qsizetype at = record->payments.indexOf(was);
    if (at < 0)
        return Change::NoSuchPayment;
    if (!now.date.isValid())
        return Change::BadDate;
    if (!isPayable(now))
        return Change::BadAmount;
    record->payments[at] = now;
    return Change::Done;
}

Change Household::removePayment(int memberId, int hijriYear, const Payment &payment)
{
    Change problem = Change::Done;
    Record *record = findRecord(memberId, hijriYear, &problem);
    if (!record)
        return problem;
    const qsizetype at = record->payments.indexOf(payment);
    if (at < 0)
        return Change::NoSuchPayment;
    record->payments.removeAt(at);
    return Change::Done;
}
