// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/storeformat.h"

#include "core/numbers.h"
#include "records/hawl.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Reads the parts of a document, noting any that is not as this program
// writes it: such a file is damaged and is never written over.
struct Reader {
    bool ok = true;

    QString string(const QJsonValue &value)
    {
        ok = ok && value.isString();
        return value.toString();
    }
    int integer(const QJsonValue &value, int lowest, int highest)
    {
        const double number = value.toDouble(-1);
        const bool whole = value.isDouble() && number >= lowest && number <= highest
            && std::floor(number) == number;
        ok = ok && whole;
        return whole ? *wholeNumber(number) : 0;
    }
    QDate date(const QJsonValue &value)
    {
        const QDate day = QDate::fromString(string(value), Qt::ISODate);
        ok = ok && hawlOf(day).has_value(); // a day the Hijri calendar can name
        return day;
    }
    QJsonArray array(const QJsonValue &value)
    {
        ok = ok && value.isArray();
        return value.toArray();
    }
    QJsonObject object(const QJsonValue &value)
    {
        ok = ok && value.isObject();
        return value.toObject();
    }
    Fields pairs(const QJsonValue &value) // version 2: [[key, text], ...]
    {
        Fields fields;
        for (const QJsonValue &item : array(value)) {
            const QJsonArray pair = array(item);
            ok = ok && pair.size() == 2;
            fields.append({string(pair.at(0)), string(pair.at(1))});
        }
        return fields;
    }
    Fields keyed(const QJsonValue &value) // version 1: {key: text, ...}
    {
        Fields fields;
        const QJsonObject items = object(value);
        for (auto item = items.begin(); item != items.end(); ++item)
            fields.append({item.key(), string(item.value())});
        return fields;
    }
    QList<Payment> payments(const QJsonValue &value, bool withNotes)
    {
        QList<Payment> payments;
        for (const QJsonValue &item : array(value)) {
            const QJsonObject payment = object(item);
            payments.append({date(payment[u"date"]), string(payment[u"amount"]),
                             withNotes ? string(payment[u"note"]) : QString()});
        }
        return payments;
    }
    Record record(const QJsonObject &record, int version)
    {
        const bool current = version == kStoreVersion;
        return {integer(record[u"hijriYear"], 1, kLargestHijriYear), date(record[u"date"]),
                current ? pairs(record[u"entries"]) : keyed(record[u"entries"]),
                current ? pairs(record[u"results"]) : keyed(record[u"results"]),
                payments(record[u"payments"], current)};
    }
    // One record a year for each member, oldest first.
    void sortRecords(QList<Record> &records)
    {
        std::sort(records.begin(), records.end(),
                  [](const Record &a, const Record &b) { return a.hijriYear < b.hijriYear; });
        for (qsizetype i = 1; i < records.size(); ++i)
            ok = ok && records[i - 1].hijriYear != records[i].hijriYear;
    }
};

constexpr int kLargestId = std::numeric_limits<int>::max() - 1;

Household readVersion2(Reader &reader, const QJsonObject &root)
{
    QList<Member> members;
    QSet<int> ids;
    QSet<QString> names;
    for (const QJsonValue &item : reader.array(root[u"members"])) {
        const QJsonObject object = reader.object(item);
        Member member{reader.integer(object[u"id"], 1, kLargestId),
                      trimBlanks(reader.string(object[u"name"])), std::nullopt, {}};
        if (object.contains(u"hawl")) {
            const QJsonObject hawl = reader.object(object[u"hawl"]);
            member.hawl = Hawl{reader.integer(hawl[u"day"], 1, 30),
                               reader.integer(hawl[u"month"], 1, 12)};
        }
        for (const QJsonValue &record : reader.array(object[u"records"]))
            member.records.append(reader.record(reader.object(record), kStoreVersion));
        reader.sortRecords(member.records);
        reader.ok = reader.ok && !member.name.isEmpty() && !ids.contains(member.id)
            && !names.contains(member.name);
        ids.insert(member.id);
        names.insert(member.name);
        members.append(member);
    }
    const int nextId = reader.integer(root[u"nextMemberId"], 2, kLargestId + 1);
    reader.ok = reader.ok && !members.isEmpty()
        && std::all_of(ids.begin(), ids.end(), [&](int id) { return id < nextId; });
    return Household::fromMembers(members, nextId);
}

Household readVersion1(Reader &reader, const QJsonObject &root)
{
    QList<Member> members;
    for (const QJsonValue &item : reader.array(root[u"records"])) {
        const QJsonObject object = reader.object(item);
        const QString name = trimBlanks(reader.string(object[u"member"]));
        reader.ok = reader.ok && !name.isEmpty();
        auto member = std::find_if(members.begin(), members.end(),
                                   [&](const Member &m) { return m.name == name; });
        if (member == members.end())
            member = members.insert(members.end(),
                                    Member{int(members.size()) + 1, name, std::nullopt, {}});
        member->records.append(reader.record(object, 1));
    }
    if (members.isEmpty())
        return Household();
    for (Member &member : members) {
        reader.sortRecords(member.records);
        const auto earliest = std::min_element(
            member.records.cbegin(), member.records.cend(),
            [](const Record &a, const Record &b) { return a.date < b.date; });
        member.hawl = hawlOf(earliest->date);
    }
    const int nextId = int(members.size()) + 1;
    return Household::fromMembers(members, nextId);
}

QJsonArray pairsJson(const Fields &fields)
{
    QJsonArray array;
    for (const auto &[key, text] : fields)
        array.append(QJsonArray{key, text});
    return array;
}

} // namespace

StoredDocument readDocument(const QByteArray &bytes)
{
    StoredDocument document;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return document; // damaged
    const QJsonObject root = json.object();
    if (!json.isObject() || root[u"format"] != kStoreFormat) {
        document.status = StoreStatus::NotOurs;
        return document;
    }
    const QJsonValue version = root[u"version"];
    if (version.isDouble() && version.toDouble() > kStoreVersion) {
        document.status = StoreStatus::Newer;
        return document;
    }
    Reader reader;
    document.version = reader.integer(version, 1, kStoreVersion);
    if (!reader.ok)
        return document;
    document.household = document.version == 1 ? readVersion1(reader, root)
                                               : readVersion2(reader, root);
    document.status = reader.ok ? StoreStatus::Ok : StoreStatus::Damaged;
    if (!reader.ok)
        document.household = Household();
    return document;
}

QByteArray documentBytes(const Household &household)
{
    QJsonArray members;
    for (const Member &member : household.members()) {
        QJsonArray records;
        for (const Record &record : member.records) {
            QJsonArray payments;
            for (const Payment &payment : record.payments)
                payments.append(
                    QJsonObject{{QStringLiteral("date"), payment.date.toString(Qt::ISODate)},
                                {QStringLiteral("amount"), payment.amount},
                                {QStringLiteral("note"), payment.note}});
            records.append(
                QJsonObject{{QStringLiteral("hijriYear"), record.hijriYear},
                            {QStringLiteral("date"), record.date.toString(Qt::ISODate)},
                            {QStringLiteral("entries"), pairsJson(record.entries)},
                            {QStringLiteral("results"), pairsJson(record.results)},
                            {QStringLiteral("payments"), payments}});
        }
        QJsonObject object{{QStringLiteral("id"), member.id},
                           {QStringLiteral("name"), member.name},
                           {QStringLiteral("records"), records}};
        if (member.hawl)
            object[QStringLiteral("hawl")] =
                QJsonObject{{QStringLiteral("day"), member.hawl->day},
                            {QStringLiteral("month"), member.hawl->month}};
        members.append(object);
    }
    const QJsonObject root{{QStringLiteral("format"), kStoreFormat},
                           {QStringLiteral("version"), kStoreVersion},
                           {QStringLiteral("nextMemberId"), household.nextMemberId()},
                           {QStringLiteral("members"), members}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
