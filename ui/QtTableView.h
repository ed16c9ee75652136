#pragma once

#include "game/GameState.h"
#include "game/TableView.h"

#include <array>
#include <set>
#include <string>

class QWidget;

namespace pairfall {

class ErrorBoundary;
class MessageBoxService;
class ResultSpeech;
class StatusLine;
class Table;

// The game's display operations on the real controls.
class QtTableView final : public TableView {
public:
    QtTableView(QWidget* window, Table& table, StatusLine& status, MessageBoxService& boxes, ErrorBoundary& errors, ResultSpeech& speech);

    void SetSlotPicture(Int16 slot, const std::string& path) override;
    void SetOutlineVisible(Int16 slot, bool visible) override;
    void SetStatusText(const std::string& text) override;
    void SetCardsLeftStatus(Int16 cardsLeft) override;
    Answer MessageBox(const std::string& prompt, Buttons buttons, const std::string& title, Icon icon) override;

    // Reads the slots' pictures again where the screen now wants the other
    // picture set, as after the window moved to a screen of another scale.
    void RefreshPictures();

private:
    // What a slot was last given, and for which picture set it was read.
    struct ShownFile {
        std::string path;
        int scale = 0;
    };

    // Shows the picture and names the slot after its card; returns the card's id, 0 for none.
    int ShowPicture(Int16 slot, const std::string& path);

    QWidget* m_window;
    Table& m_table;
    StatusLine& m_status;
    MessageBoxService& m_boxes;
    ErrorBoundary& m_errors;
    ResultSpeech& m_speech;
    std::set<std::string> m_reportedPictures;
    std::array<ShownFile, SlotCount> m_shown;
};

}
