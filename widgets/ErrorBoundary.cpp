#include "widgets/ErrorBoundary.h"

#include "game/TableView.h"
#include "game/Texts.h"
#include "widgets/MessageBoxService.h"

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
        Report(error.description());
    } catch (const std::bad_alloc&) {
        Report("Out of memory");
    } catch (const std::exception& error) {
        Report(error.what());
    }
    return false;
}

void ErrorBoundary::Report(const std::string& description)
{
    if (g_withoutBoxes > 0) {
        std::fprintf(stderr, "%s: %s\n", ApplicationTitle, description.c_str());
        std::fflush(stderr);
        return;
    }
    m_boxes.Ask(m_parent, description, Buttons::OK, ApplicationTitle, Icon::Critical);
}

void ErrorBoundary::Report(const std::string& heading, const std::vector<std::string>& problems)
{
    if (problems.empty())
        return;
    std::string message = heading;
    for (const std::string& problem : problems)
        message += (message.empty() ? "" : "\n") + problem;
    Report(message);
}

}
