#pragma once
// vCard 3.0 (RFC 2426) for an instructor.

#include "model/teacher.h"

#include <QByteArray>
#include <QString>

// N, FN, SORT-STRING (filed by last name), ORG (only for a non-empty school name), work TEL,
// TITLE "Teacher", URL, the office as the extended part of the work address (contacts programs
// show it with the address), EMAIL. Empty fields are left out. Texts are escaped, lines folded at
// 75 octets without splitting a character, CRLF line ends.
QByteArray InstructorCard(const CTeacher &t, const QString &schoolName, const QString &uid);

// A vCard text value: backslash, comma, semicolon and line breaks escaped.
QString EscapeCardText(const QString &text);
// Folds one unfolded line (without its CRLF) into lines of at most 75 octets.
QByteArray FoldLine(const QByteArray &line);
