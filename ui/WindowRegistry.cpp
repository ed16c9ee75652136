#include "ui/WindowRegistry.h"

namespace pairfall {

void WindowRegistry::Register(QWidget* window)
{
    m_windows.emplace_back(window);
}

void WindowRegistry::UnloadAllButFirst()
{
    for (auto k = m_windows.size(); k-- > 1;) {
        if (m_windows[k])
            m_windows[k]->close();
    }
    std::erase_if(m_windows, [](const QPointer<QWidget>& window) { return window.isNull(); });
}

}
