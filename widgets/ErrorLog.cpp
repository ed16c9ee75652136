#include "widgets/ErrorLog.h"

#include "game/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pairfall {

namespace {

// The platform's own line ends, as its text editors expect them.
#ifdef Q_OS_WIN
const QByteArray LineEnd = "\r\n";
#else
const QByteArray LineEnd = "\n";
#endif
const QByteArray FurtherLine = LineEnd + "    ";

// The newest reports of a log that fill no more than bytes, each whole: a
// report begins on a line that is not indented.
QByteArray NewestReports(const QByteArray& log, qint64 bytes)
{
    qsizetype from = log.size() - qMax<qint64>(bytes, 0);
    if (from <= 0)
        return log;
    for (;;) {
        // A line that begins at from or after it.
        const qsizetype end = log.indexOf(LineEnd, qMax<qsizetype>(from - LineEnd.size(), 0));
        if (end < 0 || end + LineEnd.size() >= log.size())
            return {};
        const qsizetype line = end + LineEnd.size();
        if (log.at(line) != ' ')
            return log.mid(line);
        from = line + 1;
    }
}

}

bool AppendToLog(const QString& path, const QString& report, const QDateTime& when)
{
    const QDateTime stamp = when.toOffsetFromUtc(when.offsetFromUtc());
    QByteArray entry = stamp.toString(Qt::ISODate).toUtf8() + ' ' + ApplicationTitle + ": " + report.toUtf8();
    entry.replace("\n", FurtherLine);
    entry += LineEnd;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile log(path);
    if (log.size() + entry.size() <= MaxLogBytes)
        return log.open(QIODevice::WriteOnly | QIODevice::Append) && log.write(entry) == entry.size() && log.flush();
    if (!log.open(QIODevice::ReadOnly))
        return false;
    const QByteArray kept = NewestReports(log.readAll(), MaxLogBytes / 2 - entry.size());
    log.close();
    // Whole or not at all: the logoff may end the process at any moment.
    QSaveFile trimmed(path);
    return trimmed.open(QIODevice::WriteOnly) && trimmed.write(kept + entry) == kept.size() + entry.size() && trimmed.commit();
}

}
