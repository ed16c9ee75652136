#include "widgets/ErrorBoundary.h"

#include "game/TableView.h"
#include "game/Texts.h"
#include "widgets/EngineTexts.h"
#include "widgets/MessageBoxService.h"

#include <QString>

#include <cstdio>
#include <new>

namespace pairfall {

namespace {

int g_withoutBoxes = 0;

}

ErrorBoundary::WithoutBoxes::WithoutBoxes() { ++g_withoutBoxes; }

ErrorBoundary::WithoutBoxes::~WithoutBoxes() { --g_withoutBoxes; }

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
    if (g_withoutBoxes > 0) {
        std::fprintf(stderr, "%s: %s\n", ApplicationTitle, message.toLocal8Bit().constData());
        std::fflush(stderr);
        return;
    }
    m_boxes.Ask(m_parent, message, Buttons::OK, QString::fromLatin1(ApplicationTitle), Icon::Critical);
}

}
