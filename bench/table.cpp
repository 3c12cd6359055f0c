// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// Runs the benchmark programs beside it and prints one table: each figure's
// median and spread, our budget for it, and whether it is kept, with the
// machine. With --compare, the same programs of another build (another
// commit's build-bench folder) run in turn with these, round by round, and
// their figures fill a column of their own.
//
//   bench_table [--runs N] [--window-processes P] [--rounds R]
//               [--handler-calls C] [--record-calls K] [--memory-runs M] [--churn-openings O]
//               [--sections a,b,...] [--compare DIR [--compare-label TEXT]]
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

QString benchDirectory()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return QStringLiteral(".");
    path[length] = '\0';
    const QString exe = QString::fromLocal8Bit(path);
    return exe.left(exe.lastIndexOf(QLatin1Char('/')));
}

struct Run {
    std::int64_t started = 0; // just before the process was created
    double cpuMilliseconds = 0; // user and system time of the whole process
    QList<QByteArray> lines;
};

// Starts the program and reads everything it writes; stops the whole table
// when it fails, since a figure from a failed run would mislead.
Run runProgram(const QString &directory, const QString &name, const QStringList &arguments)
{
    const QByteArray path = (directory + QLatin1Char('/') + name).toLocal8Bit();
    std::vector<QByteArray> words{path};
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    // Qt's warnings (the headless plugin cannot raise windows) go to a log.
    const QByteArray log = (benchDirectory() + QStringLiteral("/children.log")).toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.constData(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    Run run;
    pid_t child = 0;
    run.started = monotonicNanoseconds();
    const int spawned = posix_spawn(&child, path.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", path.constData());
        std::exit(1);
    }
    QByteArray output;
    char buffer[65536];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, int(got));
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.cpuMilliseconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed\n", path.constData(),
                     arguments.join(QLatin1Char(' ')).toLocal8Bit().constData());
        std::exit(1);
    }
    run.lines = output.split('\n');
    return run;
}

// The value after the key on the run's line "key value".
std::int64_t valueOf(const Run &run, const char *key)
{
    for (const QByteArray &line : run.lines) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2 && words[0] == key)
            return words[1].toLongLong();
    }
    return -1;
}

// The peak in KiB on the run's line "hwm_after WINDOW value", or -1.
std::int64_t peakAfter(const Run &run, const QByteArray &window)
{
    for (const QByteArray &line : run.lines) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 3 && words[0] == "hwm_after" && words[1] == window)
            return words[2].toLongLong();
    }
    return -1;
}

QByteArray wordOf(const Run &run, const char *key)
{
    for (const QByteArray &line : run.lines)
        if (line.startsWith(QByteArray(key) + ' '))
            return line.mid(int(qstrlen(key)) + 1);
    return "?";
}

struct Summary {
    double median, q1, q3, min, max;
    int count;
};

double quantile(const std::vector<double> &sorted, double q)
{
    const double at = q * double(sorted.size() - 1);
    const std::size_t below = std::size_t(at); // at >= 0: no rounding question
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - double(below));
}

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    if (values.empty())
        return {0, 0, 0, 0, 0, 0};
    return {quantile(values, 0.5), quantile(values, 0.25), quantile(values, 0.75),
            values.front(), values.back(), int(values.size())};
}

QString figure(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

struct Row {
    QString name;
    QString median;
    QString spread;
    QString budget;
    QString result;
    QString other; // the compared build's figure, if any
};

QList<Row> rows;

QString withUnit(double value, const QString &unit, int decimals)
{
    return unit.isEmpty() ? figure(value, decimals)
                          : figure(value, decimals) + QLatin1Char(' ') + unit;
}

// The compared build's figure in one cell: its median and quartiles.
QString briefly(const Summary &s, const QString &unit, int decimals)
{
    if (s.count == 0)
        return QString();
    return QStringLiteral("%1 (IQR %2-%3)")
        .arg(withUnit(s.median, unit, decimals), figure(s.q1, decimals), figure(s.q3, decimals));
}

void addRow(const QString &name, const Summary &s, const QString &unit, int decimals,
            const QString &budget = QString(), const QString &result = QString(),
            const QString &other = QString())
{
    rows << Row{name, withUnit(s.median, unit, decimals),
                QStringLiteral("IQR %1-%2, range %3-%4, n=%5")
                    .arg(figure(s.q1, decimals), figure(s.q3, decimals), figure(s.min, decimals),
                         figure(s.max, decimals))
                    .arg(s.count),
                budget, result, other};
}

QString verdict(bool met)
{
    return met ? QStringLiteral("pass") : QStringLiteral("MISS");
}

// The start-up budgets hold on the platform users run; elsewhere the figures
// are printed for information.
const QByteArray kJudgedPlatform = "xcb";

QString cpuModel()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly))
        for (const QByteArray &line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
    return QStringLiteral("unknown");
}

QString loadAverage()
{
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    if (!loadavg.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QList<QByteArray> words = loadavg.readAll().split(' ');
    return QString::fromUtf8(words.mid(0, 3).join(' '));
}

double milliseconds(std::int64_t nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 30, windowProcesses = 3, rounds = 20, handlerCalls = 1000, memoryRuns = 5;
    int churnOpenings = 3000, recordCalls = 100;
    QStringList sections = {QStringLiteral("startup"), QStringLiteral("windows"),
                            QStringLiteral("handlers"), QStringLiteral("records"),
                            QStringLiteral("memory"), QStringLiteral("churn")};
    QString otherDirectory, otherLabel = QStringLiteral("Compared build");
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray option = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (option == "--runs")
            runs = value;
        else if (option == "--window-processes")
            windowProcesses = value;
        else if (option == "--rounds")
            rounds = value;
        else if (option == "--handler-calls")
            handlerCalls = value;
        else if (option == "--memory-runs")
            memoryRuns = value;
        else if (option == "--churn-openings")
            churnOpenings = value;
        else if (option == "--record-calls")
            recordCalls = value;
        else if (option == "--sections")
            sections = QString::fromLocal8Bit(argv[i + 1]).split(QLatin1Char(','));
        else if (option == "--compare")
            otherDirectory = QString::fromLocal8Bit(argv[i + 1]);
        else if (option == "--compare-label")
            otherLabel = QString::fromLocal8Bit(argv[i + 1]);
        else {
            std::fprintf(stderr, "unknown option %s\n", option.constData());
            return 2;
        }
    }
    const QString here = benchDirectory();
    const bool comparing = !otherDirectory.isEmpty();

    const QString loadBefore = loadAverage();
    QByteArray qtVersion = "?", platform = "?";

    if (sections.contains(QStringLiteral("startup"))) {
        // Alternately, so that a burst of load elsewhere falls on all alike;
        // the two builds' menus take turns at going first.
        std::vector<double> program, bare, text, ratios, sameWorkRatios;
        std::vector<double> programCpu, bareCpu, textCpu, cpuRatios, sameWorkCpuRatios;
        std::vector<double> other, otherRatios, otherCpu, otherCpuRatios;
        for (int i = 0; i < runs; ++i) {
            Run menu, otherMenu;
            if (comparing && i % 2 == 1)
                otherMenu = runProgram(otherDirectory, QStringLiteral("zakat_startup"), {});
            menu = runProgram(here, QStringLiteral("zakat_startup"), {});
            if (comparing && i % 2 == 0)
                otherMenu = runProgram(otherDirectory, QStringLiteral("zakat_startup"), {});
            const Run floor = runProgram(here, QStringLiteral("bench_floor"), {});
            const Run floorText = runProgram(here, QStringLiteral("bench_floor"), {QStringLiteral("text")});
            const double textTime = milliseconds(valueOf(floorText, "frame_ns") - floorText.started);
            const double menuTime = milliseconds(valueOf(menu, "frame_ns") - menu.started);
            const double floorTime = milliseconds(valueOf(floor, "frame_ns") - floor.started);
            program.push_back(menuTime);
            bare.push_back(floorTime);
            text.push_back(textTime);
            ratios.push_back(menuTime / floorTime);
            sameWorkRatios.push_back(menuTime / textTime);
            programCpu.push_back(menu.cpuMilliseconds);
            bareCpu.push_back(floor.cpuMilliseconds);
            textCpu.push_back(floorText.cpuMilliseconds);
            cpuRatios.push_back(menu.cpuMilliseconds / floor.cpuMilliseconds);
            sameWorkCpuRatios.push_back(menu.cpuMilliseconds / floorText.cpuMilliseconds);
            if (comparing) {
                const double otherTime =
                    milliseconds(valueOf(otherMenu, "frame_ns") - otherMenu.started);
                other.push_back(otherTime);
                otherRatios.push_back(otherTime / textTime);
                otherCpu.push_back(otherMenu.cpuMilliseconds);
                otherCpuRatios.push_back(otherMenu.cpuMilliseconds / floorText.cpuMilliseconds);
            }
            qtVersion = wordOf(menu, "qt");
            platform = wordOf(menu, "platform");
        }
        auto pairRatios = [](const Summary &r) {
            return QStringLiteral("per-round ratio IQR %1-%2, range %3-%4")
                .arg(figure(r.q1, 2), figure(r.q3, 2), figure(r.min, 2), figure(r.max, 2));
        };
        // The compared build's ratio: median over median, with the spread of
        // its per-round ratios.
        auto otherRatio = [&](const std::vector<double> &figures, double floorMedian,
                              const std::vector<double> &perRound) {
            if (!comparing)
                return QString();
            const Summary r = summarise(perRound);
            return QStringLiteral("%1 (IQR %2-%3)")
                .arg(figure(summarise(figures).median / floorMedian, 2), figure(r.q1, 2),
                     figure(r.q3, 2));
        };
        const bool judged = platform == kJudgedPlatform;
        const QString budget = judged ? QStringLiteral("<= 1.3") : QStringLiteral("(info)");
        const Summary p = summarise(program), b = summarise(bare), t = summarise(text);
        addRow(QStringLiteral("Start-up to first frame: menu"), p, QStringLiteral("ms"), 1,
               QString(), QString(), briefly(summarise(other), QStringLiteral("ms"), 1));
        addRow(QStringLiteral("Start-up to first frame: bare Qt window"), b, QStringLiteral("ms"), 1);
        addRow(QStringLiteral("  same window with 10 Arabic labels"), t, QStringLiteral("ms"), 1,
               QStringLiteral("(info)"));
        rows << Row{QStringLiteral("Start-up ratio to the bare window"), figure(p.median / b.median, 2),
                    pairRatios(summarise(ratios)), QStringLiteral("(info)"), QString(), QString()};
        const double sameWork = p.median / t.median;
        rows << Row{QStringLiteral("Start-up ratio to the same work (10 Arabic labels)"),
                    figure(sameWork, 2), pairRatios(summarise(sameWorkRatios)), budget,
                    judged ? verdict(sameWork <= 1.3) : QString(),
                    otherRatio(other, t.median, otherRatios)};
        const Summary pc = summarise(programCpu), bc = summarise(bareCpu), tc = summarise(textCpu);
        addRow(QStringLiteral("Process CPU time, start to quit: menu"), pc, QStringLiteral("ms"), 1,
               QString(), QString(), briefly(summarise(otherCpu), QStringLiteral("ms"), 1));
        addRow(QStringLiteral("Process CPU time, start to quit: bare Qt window"), bc,
               QStringLiteral("ms"), 1);
        addRow(QStringLiteral("  same window with 10 Arabic labels"), tc, QStringLiteral("ms"), 1,
               QStringLiteral("(info)"));
        rows << Row{QStringLiteral("CPU time ratio to the bare window"), figure(pc.median / bc.median, 2),
                    pairRatios(summarise(cpuRatios)), QStringLiteral("(info)"), QString(), QString()};
        const double sameWorkCpu = pc.median / tc.median;
        rows << Row{QStringLiteral("CPU time ratio to the same work (10 Arabic labels)"),
                    figure(sameWorkCpu, 2), pairRatios(summarise(sameWorkCpuRatios)), budget,
                    judged ? verdict(sameWorkCpu <= 1.3) : QString(),
                    otherRatio(otherCpu, tc.median, otherCpuRatios)};
    }

    const QList<QPair<QByteArray, QString>> windows = {
        {"frmzakat1", QStringLiteral("livestock")}, {"frmzakat4", QStringLiteral("gold")},
        {"frmzakat3", QStringLiteral("silver")},    {"frmzakat2", QStringLiteral("cash")},
        {"frmzakat5", QStringLiteral("produce")},   {"frmzakat6", QStringLiteral("whole wealth")},
        {"frmzakat7", QStringLiteral("zakat al-fitr")}, {"frmzakat8", QStringLiteral("records")}};

    if (sections.contains(QStringLiteral("windows"))) {
        // Processes of the two builds in turn; [0] this build, [1] the other.
        QMap<QByteArray, std::vector<double>> warm[2], cold[2];
        auto readOpenings = [&](const Run &run, int build) {
            for (const QByteArray &line : run.lines) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() == 3 && words[0] == "open")
                    warm[build][words[1]].push_back(milliseconds(words[2].toLongLong()));
                if (words.size() == 3 && words[0] == "cold")
                    cold[build][words[1]].push_back(milliseconds(words[2].toLongLong()));
            }
        };
        const QStringList arguments = {QStringLiteral("windows"), QString::number(rounds)};
        for (int i = 0; i < windowProcesses; ++i) {
            const Run run = runProgram(here, QStringLiteral("zakat_bench"), arguments);
            readOpenings(run, 0);
            if (comparing)
                readOpenings(runProgram(otherDirectory, QStringLiteral("zakat_bench"), arguments), 1);
            qtVersion = wordOf(run, "qt");
            platform = wordOf(run, "platform");
        }
        for (const auto &window : windows) {
            const Summary s = summarise(warm[0][window.first]);
            // The records window reads and shows the whole household's
            // record, 6 members x 30 years here: a budget of its own.
            const double budget = qstrcmp(window.first, "frmzakat8") == 0 ? 50 : 15;
            addRow(QStringLiteral("Open %1 (%2)").arg(QString::fromLatin1(window.first), window.second),
                   s, QStringLiteral("ms"), 2, QStringLiteral("< %1 ms").arg(budget),
                   verdict(s.median < budget),
                   briefly(summarise(warm[1][window.first]), QStringLiteral("ms"), 2));
        }
        for (const auto &window : windows)
            addRow(QStringLiteral("  first opening in a process: %1").arg(window.second),
                   summarise(cold[0][window.first]), QStringLiteral("ms"), 2, QStringLiteral("(info)"),
                   QString(), briefly(summarise(cold[1][window.first]), QStringLiteral("ms"), 2));
    }

    if (sections.contains(QStringLiteral("handlers"))) {
        // The handlers in the order this build times them; a handler of the
        // compared build under another name gets a row of its own.
        QMap<QByteArray, std::vector<double>> times[2];
        QList<QByteArray> order;
        auto readHandlers = [&](const Run &run, int build) {
            for (const QByteArray &line : run.lines) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() == 3 && words[0] == "handler") {
                    if (!order.contains(words[1]))
                        order << words[1];
                    times[build][words[1]].push_back(double(words[2].toLongLong()) / 1e3);
                }
            }
        };
        const QStringList arguments = {QStringLiteral("handlers"), QString::number(handlerCalls)};
        readHandlers(runProgram(here, QStringLiteral("zakat_bench"), arguments), 0);
        if (comparing)
            readHandlers(runProgram(otherDirectory, QStringLiteral("zakat_bench"), arguments), 1);
        for (const QByteArray &handler : order) {
            const QString name = QStringLiteral("Handler %1").arg(QString::fromLatin1(handler));
            const QString other = briefly(summarise(times[1][handler]), QStringLiteral("us"), 1);
            if (times[0][handler].empty()) {
                rows << Row{name, QString(), QString(), QString(), QString(), other};
                continue;
            }
            const Summary s = summarise(times[0][handler]);
            addRow(name, s, QStringLiteral("us"), 1, QStringLiteral("< 200 us"),
                   verdict(s.median < 200), other);
        }
    }

    if (sections.contains(QStringLiteral("records"))) {
        // This build only: the record of 6 members x 30 years the bench
        // writes first, opened, saved to and paid from.
        const Run run = runProgram(here, QStringLiteral("zakat_bench"),
                                   {QStringLiteral("records"), QString::number(recordCalls)});
        QMap<QByteArray, std::vector<double>> times;
        for (const QByteArray &line : run.lines) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 2 && words[0].startsWith("records_"))
                times[words[0]].push_back(milliseconds(words[1].toLongLong()));
        }
        qtVersion = wordOf(run, "qt");
        platform = wordOf(run, "platform");
        const struct {
            const char *key, *name;
            double budget;
        } figures[] = {{"records_open", "Open frmzakat8 with 6 members x 30 years", 50},
                       {"records_save", "Save a record (whole-wealth window)", 20},
                       {"records_payment", "Add a payment (records window)", 20}};
        for (const auto &each : figures) {
            const Summary s = summarise(times[each.key]);
            addRow(QString::fromLatin1(each.name), s, QStringLiteral("ms"), 2,
                   QStringLiteral("< %1 ms").arg(each.budget), verdict(s.count > 0 && s.median < each.budget));
        }
        const bool read = valueOf(run, "store_read_before_first_frame") != 0;
        rows << Row{QStringLiteral("Record read before the menu's first frame"),
                    read ? QStringLiteral("yes") : QStringLiteral("no"), QString(),
                    QStringLiteral("no"), verdict(!read), QString()};
    }

    if (sections.contains(QStringLiteral("memory"))) {
        // The compared build's bench may open fewer windows; this build's
        // peak after the same windows is read from its figure after each.
        std::vector<double> program, bare, text, differences, sameWork;
        std::vector<double> programSame, other, sameWorkSame, otherSameWork;
        int windowsShown = 0, otherWindowsShown = 0;
        for (int i = 0; i < memoryRuns; ++i) {
            const Run all = runProgram(here, QStringLiteral("zakat_bench"), {QStringLiteral("memory")});
            Run otherAll;
            if (comparing)
                otherAll = runProgram(otherDirectory, QStringLiteral("zakat_bench"),
                                      {QStringLiteral("memory")});
            const Run floor = runProgram(here, QStringLiteral("bench_floor"), {});
            const Run floorText = runProgram(here, QStringLiteral("bench_floor"), {QStringLiteral("text")});
            const double textMiB = double(valueOf(floorText, "hwm_kib")) / 1024;
            const double allMiB = double(valueOf(all, "hwm_kib")) / 1024;
            const double floorMiB = double(valueOf(floor, "hwm_kib")) / 1024;
            text.push_back(textMiB);
            program.push_back(allMiB);
            bare.push_back(floorMiB);
            differences.push_back(allMiB - floorMiB);
            sameWork.push_back(allMiB - textMiB);
            qtVersion = wordOf(all, "qt");
            platform = wordOf(all, "platform");
            windowsShown = int(std::count_if(all.lines.begin(), all.lines.end(),
                                             [](const QByteArray &line) {
                                                 return line.startsWith("hwm_after ");
                                             }))
                - 1; // the first is the menu alone
            if (comparing) {
                QByteArray lastWindow;
                otherWindowsShown = -1;
                for (const QByteArray &line : otherAll.lines)
                    if (line.startsWith("hwm_after ")) {
                        lastWindow = line.split(' ').value(1);
                        ++otherWindowsShown;
                    }
                const double sameMiB = double(peakAfter(all, lastWindow)) / 1024;
                const double otherMiB = double(valueOf(otherAll, "hwm_kib")) / 1024;
                programSame.push_back(sameMiB);
                sameWorkSame.push_back(sameMiB - textMiB);
                other.push_back(otherMiB);
                otherSameWork.push_back(otherMiB - textMiB);
            }
        }
        const Summary p = summarise(program), b = summarise(bare), s = summarise(sameWork);
        const QString mib = QStringLiteral("MiB");
        addRow(QStringLiteral("Peak RSS: menu + %1 windows").arg(windowsShown), p, mib, 1);
        if (comparing && otherWindowsShown != windowsShown)
            addRow(QStringLiteral("  menu + the %1 windows the compared build opens")
                       .arg(otherWindowsShown),
                   summarise(programSame), mib, 1, QStringLiteral("(info)"), QString(),
                   briefly(summarise(other), mib, 1));
        addRow(QStringLiteral("Peak RSS: bare Qt window"), b, mib, 1);
        addRow(QStringLiteral("  same window with 10 Arabic labels"), summarise(text), mib, 1,
               QStringLiteral("(info)"));
        addRow(QStringLiteral("Peak RSS above the bare window"), summarise(differences), mib, 1,
               QStringLiteral("(info)"));
        addRow(QStringLiteral("Peak RSS above the same work (10 Arabic labels)"), s, mib, 1,
               QStringLiteral("<= 15 MiB"), verdict(s.median <= 15),
               comparing && otherWindowsShown == windowsShown
                   ? briefly(summarise(otherSameWork), mib, 1) : QString());
        if (comparing && otherWindowsShown != windowsShown)
            addRow(QStringLiteral("  the same, menu + %1 windows").arg(otherWindowsShown),
                   summarise(sameWorkSame), mib, 1, QStringLiteral("(info)"), QString(),
                   briefly(summarise(otherSameWork), mib, 1));
    }

    if (sections.contains(QStringLiteral("churn")) && churnOpenings > 0) {
        // One process of this build: a round of the eight windows, then the
        // openings; the figure is the resident memory they add, scaled to
        // 3,000 openings.
        const Run run = runProgram(here, QStringLiteral("zakat_bench"),
                                   {QStringLiteral("churn"), QString::number(churnOpenings)});
        QList<std::int64_t> openings, resident, heap;
        for (const QByteArray &line : run.lines) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 4 && words[0] == "churn") {
                openings << words[1].toLongLong();
                resident << words[2].toLongLong();
                heap << words[3].toLongLong();
            }
        }
        qtVersion = wordOf(run, "qt");
        platform = wordOf(run, "platform");
        if (openings.size() < 2 || openings.first() != 0) {
            std::fprintf(stderr, "zakat_bench churn wrote no figures\n");
            return 1;
        }
        auto mebibytes = [](double kib) { return kib / 1024; };
        const double scale = 3000.0 / double(openings.last());
        const double growth = mebibytes(double(resident.last() - resident.first())) * scale;
        QStringList steps;
        for (int i = 1; i < resident.size(); ++i) {
            const double step = mebibytes(double(resident[i] - resident[i - 1]));
            steps << (step >= 0 ? QStringLiteral("+") : QString()) + figure(step, 2);
        }
        rows << Row{QStringLiteral("RSS growth per 3,000 openings after the first round"),
                    figure(growth, 2) + QStringLiteral(" MiB"),
                    QStringLiteral("%1 MiB after the first round; per 500 openings: %2")
                        .arg(figure(mebibytes(double(resident.first())), 1), steps.join(' ')),
                    QStringLiteral("< 1 MiB"), verdict(growth < 1), QString()};
        rows << Row{QStringLiteral("  heap in use, same openings"),
                    figure(mebibytes(double(heap.last() - heap.first())) * scale, 2)
                        + QStringLiteral(" MiB"),
                    QStringLiteral("%1 MiB after the first round")
                        .arg(figure(mebibytes(double(heap.first())), 1)),
                    QStringLiteral("(info)"), QString(), QString()};
    }

    long cores = sysconf(_SC_NPROCESSORS_ONLN);
    std::printf("Machine: %s, %ld cores; Qt %s; platform plugin %s\n", qPrintable(cpuModel()),
                cores, qtVersion.constData(), platform.constData());
    std::printf("Load average before: %s, after: %s\n", qPrintable(loadBefore),
                qPrintable(loadAverage()));
    std::printf("Runs: start-up %d alternating rounds (menu, bare, bare+text); %d processes x %d openings per window; "
                "%d calls per handler; %d record openings, saves and payments; memory %d alternating rounds; "
                "churn %d openings\n",
                runs, windowProcesses, rounds, handlerCalls, recordCalls, memoryRuns, churnOpenings);
    if (comparing)
        std::printf("Compared build (column \"%s\"): %s, its processes in turn with these; "
                    "its ratios against this build's floors of the same rounds\n",
                    qPrintable(otherLabel), qPrintable(otherDirectory));
    if (platform != kJudgedPlatform)
        std::printf("The start-up and CPU budgets are judged under %s; here they are for "
                    "information\n",
                    kJudgedPlatform.constData());
    std::printf("\n");

    QStringList headings = {QStringLiteral("Figure"), QStringLiteral("Median"),
                            QStringLiteral("Spread"), QStringLiteral("Budget"),
                            QStringLiteral("Result")};
    if (comparing)
        headings << otherLabel;
    auto cellsOf = [&](const Row &row) {
        QStringList cells = {row.name, row.median, row.spread, row.budget, row.result};
        if (comparing)
            cells << row.other;
        return cells;
    };
    std::vector<int> widths;
    for (const QString &heading : headings)
        widths.push_back(int(heading.size()));
    for (const Row &row : rows) {
        const QStringList cells = cellsOf(row);
        for (int i = 0; i < cells.size(); ++i)
            widths[std::size_t(i)] = std::max(widths[std::size_t(i)], int(cells[i].size()));
    }
    auto print = [&](const QStringList &cells) {
        QString line = QStringLiteral("|");
        for (int i = 0; i < cells.size(); ++i)
            line += QLatin1Char(' ') + cells[i].leftJustified(widths[std::size_t(i)]) + QStringLiteral(" |");
        std::printf("%s\n", qPrintable(line));
    };
    print(headings);
    QStringList rule;
    for (int width : widths)
        rule << QString(width, QLatin1Char('-'));
    print(rule);
    for (const Row &row : rows)
        print(cellsOf(row));
    return 0;
}
