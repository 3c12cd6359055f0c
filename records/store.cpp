// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/store.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace {

// A lock left by a copy of the program that ended is taken over at once when
// it names that program, and after kStaleLockMs when the program was killed
// before it could write its name. A copy still running keeps its lock however
// old (QLockFile holds it at the system level too), so a short time is safe.
constexpr int kStaleLockMs = 1000;
constexpr int kLockWaitMs = 4000;
constexpr int kWriteAttempts = 3;

const QString kLockName = QStringLiteral("records.lock");

// records.json is the first store, records-N.json (N from 2) the next ones.
QString storeName(int number)
{
    return number == 1 ? QStringLiteral("records.json")
                       : QStringLiteral("records-%1.json").arg(number);
}

// The store files in the folder, by number, with their names as the folder
// spells them: a file system that ignores case (Windows) may hold
// "Records.json", which is the same file as "records.json".
QList<QPair<int, QString>> storeFiles(const QString &folder)
{
    static const QRegularExpression name(
        QStringLiteral("^records(?:-([2-9]|[1-9][0-9]{1,5}))?\\.json$"),
        QRegularExpression::CaseInsensitiveOption);
    QList<QPair<int, QString>> files;
    for (const QString &file : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch())
            files.append({match.hasCaptured(1) ? match.captured(1).toInt() : 1, file});
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct Found {
    StoreState state;
    int version = 0;
    QByteArray bytes; // as read, for the copy kept before a file is moved forward
};

Found readStore(const QString &path)
{
    Found found;
    found.state.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        found.state.status = StoreStatus::IoError;
        return found;
    }
    found.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        found.state.status = StoreStatus::IoError;
        return found;
    }
    StoredDocument document = readDocument(found.bytes);
    found.state.status = document.status;
    found.state.household = std::move(document.household);
    found.version = document.version;
    return found;
}

// The store: the readable file of the highest number, the one started last
// (a new store is started beside files that could not be read, and those may
// be read again later); else the new store chosen beside the unreadable ones;
// else the first unreadable one, which is reported. Every other store file is
// passed over, left as it is, and named.
Found locate(const QString &folder, const QString &chosen)
{
    const QDir dir(folder);
    const QList<QPair<int, QString>> files = storeFiles(folder);
    QStringList all;
    for (const auto &file : files)
        all.append(dir.filePath(file.second));
    const auto others = [&](const QString &used) {
        QStringList passed = all;
        passed.removeAll(used);
        return passed;
    };
    for (auto file = files.crbegin(); file != files.crend(); ++file) {
        Found found = readStore(dir.filePath(file->second));
        if (found.state.status == StoreStatus::Ok) {
            found.state.passedOver = others(found.state.path);
            return found;
        }
    }
    if (files.isEmpty() || (!chosen.isEmpty() && !QFileInfo::exists(chosen))) {
        Found none;
        none.state.status = StoreStatus::NoFile;
        none.state.path = files.isEmpty() ? dir.filePath(storeName(1)) : chosen;
        none.state.passedOver = all;
        return none;
    }
    Found first = readStore(all.first());
    first.state.household = Household();
    first.state.passedOver = others(first.state.path);
    return first;
}

bool writeOnce(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// On Windows a copy of the program reading without the lock holds the file
// open for a moment, and renaming over it fails meanwhile: try again.
bool writeWhole(const QString &path, const QByteArray &bytes)
{
    for (int attempt = 1; attempt <= kWriteAttempts; ++attempt) {
        if (writeOnce(path, bytes))
            return true;
        QThread::msleep(50);
    }
    return false;
}

// The copy of a file of an older layout, kept before it is moved forward.
bool keepCopy(const QString &path, int version, const QByteArray &bytes)
{
    for (int n = 1; n < 1000; ++n) {
        const QString copy = path + (n == 1 ? QStringLiteral(".v%1.bak").arg(version)
                                            : QStringLiteral(".v%1-%2.bak").arg(version).arg(n));
        if (!QFileInfo::exists(copy))
            return writeWhole(copy, bytes);
    }
    return false;
}

// The folder a test or tool chose in place of the user's data folder.
QString &folderInUse()
{
    static QString folder;
    return folder;
}

} // namespace

QString RecordStore::defaultFolder()
{
    const QString &chosen = folderInUse();
    return chosen.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : chosen;
}

void RecordStore::setDefaultFolder(const QString &folder)
{
    folderInUse() = folder;
}

RecordStore::RecordStore(const QString &folder) : m_folder(folder) {}

StoreState RecordStore::load() const
{
    return locate(m_folder, m_newStore).state;
}

StoreState RecordStore::update(const std::function<bool(Household &)> &change)
{
    if (!QFileInfo::exists(m_folder)) {
        Household nothingStored;
        if (!change(nothingStored))
            return load();
        if (!QDir().mkpath(m_folder)) {
            StoreState failed = load();
            failed.status = StoreStatus::IoError;
            return failed;
        }
    }

    QLockFile lock(QDir(m_folder).filePath(kLockName));
    lock.setStaleLockTime(kStaleLockMs);
    // Polled briefly rather than with tryLock's growing waits, under which a
    // copy saving again and again could keep the other one out.
    const QDeadlineTimer deadline(kLockWaitMs);
    // On Windows the lock of a copy saving at that moment may show as a
    // permission error: it is waited for like a lock held.
    while (!lock.tryLock(0)) {
        if (lock.error() == QLockFile::UnknownError || deadline.hasExpired()) {
            StoreState refused = load();
            refused.status = lock.error() == QLockFile::UnknownError ? StoreStatus::IoError
                                                                     : StoreStatus::Busy;
            return refused;
        }
        QThread::msleep(QRandomGenerator::global()->bounded(2, 20));
    }

    Found found = locate(m_folder, m_newStore);
    StoreState &state = found.state;
    if (state.status != StoreStatus::Ok && state.status != StoreStatus::NoFile)
        return state;
    // A file where the store would be written that was not read as the
    // store is never written over.
    if (state.status == StoreStatus::NoFile && QFileInfo::exists(state.path)) {
        state.status = StoreStatus::IoError;
        return state;
    }
    Household changed = state.household;
    if (!change(changed))
        return state;
    if (found.version != 0 && found.version != kStoreVersion
        && !keepCopy(state.path, found.version, found.bytes)) {
        state.status = StoreStatus::IoError;
        return state;
    }
    if (!writeWhole(state.path, documentBytes(changed))) {
        state.status = StoreStatus::IoError;
        return state;
    }
    state.status = StoreStatus::Ok;
    state.household = std::move(changed);
    return state;
}

QString RecordStore::fingerprint() const
{
    QString print = m_newStore;
    const QDir dir(m_folder);
    for (const auto &file : storeFiles(m_folder)) {
        const QFileInfo info(dir.filePath(file.second));
        print += QStringLiteral("/%1:%2:%3").arg(file.second).arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    return print;
}

QString RecordStore::startNewStore()
{
    const QList<QPair<int, QString>> files = storeFiles(m_folder);
    m_newStore = QDir(m_folder).filePath(storeName(files.isEmpty() ? 1 : files.last().first + 1));
    return m_newStore;
}

QString storeMessage(StoreStatus status, const QString &path)
{
    // The path isolated left to right, so that it reads whole in an Arabic sentence.
    const QString file = QChar(0x2066) + QDir::toNativeSeparators(path) + QChar(0x2069);
    switch (status) {
    case StoreStatus::Ok:
        return QString();
    case StoreStatus::NoFile:
        return QStringLiteral("لم يُحفظ في السجل شيء بعد، وسيُنشأ ملفه %1 عند أول حفظ.").arg(file);
    case StoreStatus::Damaged:
        return QStringLiteral("تعذّرت قراءة ملف السجل %1 لأنه تالف، فلم يُمسّ وبقي كما هو، "
                              "ويعمل البرنامج دون سجل.").arg(file);
    case StoreStatus::NotOurs:
        return QStringLiteral("الملف %1 ليس سجلًّا كتبه هذا البرنامج، فلم يُمسّ وبقي كما هو، "
                              "ويعمل البرنامج دون سجل.").arg(file);
    case StoreStatus::Newer:
        return QStringLiteral("ملف السجل %1 كتبه إصدار أحدث من هذا البرنامج، فلم يُمسّ وبقي "
                              "كما هو، ويعمل هذا الإصدار دون سجل.").arg(file);
    case StoreStatus::IoError:
        return QStringLiteral("تعذّرت قراءة ملف السجل %1 أو الكتابة فيه، فلم يتغيّر فيه شيء.")
            .arg(file);
    case StoreStatus::Busy:
        return QStringLiteral("ملف السجل %1 تستعمله الآن نسخة أخرى من البرنامج، فلم يُحفظ شيء؛ "
                              "أعد المحاولة بعد قليل.").arg(file);
    }
    return QString();
}
