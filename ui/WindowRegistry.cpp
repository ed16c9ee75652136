#include "ui/WindowRegistry.h"

#include <algorithm>

namespace pairfall {

void WindowRegistry::Register(QWidget* window)
{
    m_windows.emplace_back(window);
}

std::vector<QWidget*> WindowRegistry::Windows() const
{
    std::vector<QWidget*> open;
    for (const QPointer<QWidget>& window : m_windows) {
        if (window && (open.empty() || window->isVisible()))
            open.push_back(window);
    }
    return open;
}

void WindowRegistry::UnloadAllButFirst()
{
    const std::vector<QWidget*> open = Windows();
    for (auto k = open.size(); k-- > 1;)
        open[k]->close();
    m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(), [](const QPointer<QWidget>& w) { return w.isNull(); }), m_windows.end());
}

}
