#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

namespace pairfall {

// The program's open windows in the order they were opened; the main
// window, opened first, stands at position 0.
class WindowRegistry {
public:
    void Register(QWidget* window);
    // Closes every window but the first, the most recently opened first.
    void UnloadAllButFirst();

private:
    std::vector<QPointer<QWidget>> m_windows; // a closed window's entry turns null
};

}
