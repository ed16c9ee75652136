#pragma once

#include "game/TableView.h"

#include <string>

class QWidget;

namespace pairfall {

// Modal message boxes, behind an interface so tests can answer them.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual Answer Ask(QWidget* parent, const std::string& prompt, Buttons buttons, const std::string& title, Icon icon) = 0;
};

class QtMessageBoxService final : public MessageBoxService {
public:
    Answer Ask(QWidget* parent, const std::string& prompt, Buttons buttons, const std::string& title, Icon icon) override;
};

}
