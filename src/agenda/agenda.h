#pragma once
// `quillbox agenda`: the Dates view's days as text or JSON, for shells, scripts and status bars.
// QtCore only: it reads the term file read-only and needs no display, fonts or lock.

#include "model/clock.h"
#include "model/student.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct AgendaOptions {
    QDate from; // invalid: today
    int days = 32;
    QString className; // empty: every class
    bool undoneOnly = false;
    bool json = false;
    enum class EmptyDays { Setting, Hide, Show } emptyDays = EmptyDays::Setting;
    QString dataDir; // empty: the usual data folder
    std::optional<CTime> now;
    bool help = false;
};

// Reads the words that follow "agenda". On a mistake returns false with a one-line reason.
bool ParseAgendaArgs(const QStringList &args, AgendaOptions &options, QString &error);

// One reminder of the agenda: its class's index in the term and its index in that class.
struct AgendaItem {
    int cls;
    int rem;
};

struct AgendaDay {
    QDate date;
    std::vector<AgendaItem> items;
};

// Every calendar day from `from` for `days` days (a daylight-saving change neither skips nor
// repeats one), each with the reminders due that day that pass the filters (className compared
// with case ignored): classes in name order, case ignored, then each class's reminders in its
// list order.
std::vector<AgendaDay> CollectAgenda(const CStudent &term, QDate from, int days,
                                     const QString &className = QString(), bool undoneOnly = false);

// As the Dates view shows it: each day's heading, then one line per class with a reminder that
// day (its first reminder, "and more..." when it has others); "Nothing..." under an empty day, or
// with hideEmptyDays only the days with reminders.
QString AgendaText(const CStudent &term, const std::vector<AgendaDay> &days, bool hideEmptyDays);

// A JSON array, one object per reminder of the agenda, in the agenda's order.
QByteArray AgendaJson(const CStudent &term, const std::vector<AgendaDay> &days);

// The whole command: parses `args`, reads the term, writes the agenda to `out` and at most a few
// one-line reasons to `err`. Returns 0, 1 (the data could not be read whole) or 2 (usage).
int RunAgenda(const QStringList &args, QByteArray &out, QByteArray &err);

// For main(): RunAgenda over argv[first] onwards, its output written to stdout and stderr.
int AgendaMain(int argc, char **argv, int first);
