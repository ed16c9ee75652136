#include "widgets/ErrorBoundary.h"

#include "game/TableView.h"
#include "game/Texts.h"
#include "widgets/EngineTexts.h"
#include "widgets/ErrorLog.h"
#include "widgets/MessageBoxService.h"

#include <QString>

#include <cstdio>
#include <new>

namespace pairfall {

namespace {

// The log of the innermost WithoutBoxes; none while boxes are shown.
const QString* g_logFile = nullptr;

}

ErrorBoundary::WithoutBoxes::WithoutBoxes(const QString& logFile)
    : m_logFile(logFile)
    , m_outer(g_logFile)
{
    g_logFile = &m_logFile;
}

ErrorBoundary::WithoutBoxes::~WithoutBoxes() { g_logFile = m_outer; }

ErrorBoundary::ErrorBoundary(MessageBoxService& boxes, QWidget* parent)
    : m_boxes(boxes)
    , m_parent(parent)
{
}

bool ErrorBoundary::Run(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const RuntimeError& error) {
        Report(error);
    } catch (const std::bad_alloc&) {
        Report(RuntimeError(RuntimeError::Kind::OutOfMemory));
    } catch (const std::exception& error) {
        Report(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void ErrorBoundary::Report(const RuntimeError& error)
{
    Report(ErrorMessage(error));
}

void ErrorBoundary::Report(const QString& heading, const std::vector<RuntimeError>& problems)
{
    if (problems.empty())
        return;
    QString message = heading;
    for (const RuntimeError& problem : problems) {
        if (!message.isEmpty())
            message += QLatin1Char('\n');
        message += ErrorMessage(problem);
    }
    Report(message);
}

void ErrorBoundary::Report(const QString& message)
{
    if (g_logFile) {
        std::fprintf(stderr, "%s: %s\n", ApplicationTitle, message.toLocal8Bit().constData());
        std::fflush(stderr);
        // A log that cannot be written leaves standard error alone: at a
        // logoff nothing more can be done.
        AppendToLog(*g_logFile, message, QDateTime::currentDateTime());
        return;
    }
    m_boxes.Ask(m_parent, message, Buttons::OK, QString::fromLatin1(ApplicationTitle), Icon::Critical);
}

}
