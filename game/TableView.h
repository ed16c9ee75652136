#pragma once

#include "game/Numbers.h"

#include <string>

namespace pairfall {

enum class Buttons { OK,
    YesNo };
enum class Icon { None,
    Information,
    Critical };
enum class Answer { OK,
    Yes,
    No };

// The display operations the game drives; the window maps them onto its
// controls, tests onto a recorder.
class TableView {
public:
    virtual ~TableView() = default;
    // Shows the bitmap at path in slot i (0..11).  A picture that cannot be
    // loaded is the view's to report; the slot must still name the card.
    virtual void SetSlotPicture(Int16 slot, const std::string& path) = 0;
    virtual void SetOutlineVisible(Int16 slot, bool visible) = 0;
    // One of the texts of game/Texts.h, in English.
    virtual void SetStatusText(const std::string& text) = 0;
    // The status line after a deal: CardsLeftText for this count.
    virtual void SetCardsLeftStatus(Int16 cardsLeft) = 0;
    // Modal; Yes is the default of Yes/No.  Returns the button pressed.
    virtual Answer MessageBox(const std::string& prompt, Buttons buttons, const std::string& title, Icon icon = Icon::None) = 0;
};

}
