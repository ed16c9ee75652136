#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace pairfall {

// The most a log file grows to: once a report would take it past this, the
// oldest reports go and the newest that fill half of it stay.
inline constexpr qint64 MaxLogBytes = 64 * 1024;

// Appends a report to the log file, after the time it was made with its
// offset from UTC, its further lines indented, in UTF-8 with the platform's
// line ends; makes the file and its folder where they are missing.  False
// when it could not be written.
bool AppendToLog(const QString& path, const QString& report, const QDateTime& when);

}
