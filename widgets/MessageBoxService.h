#pragma once

#include "game/TableView.h"

#include <QString>

class QWidget;

namespace pairfall {

// Modal message boxes, behind an interface so tests can answer them.  The
// texts come in the player's language.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual Answer Ask(QWidget* parent, const QString& prompt, Buttons buttons, const QString& title, Icon icon) = 0;
};

class QtMessageBoxService final : public MessageBoxService {
public:
    Answer Ask(QWidget* parent, const QString& prompt, Buttons buttons, const QString& title, Icon icon) override;
};

}
