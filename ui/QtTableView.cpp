#include "ui/QtTableView.h"

#include "game/Texts.h"
#include "ui/PictureLoader.h"
#include "ui/ResultSpeech.h"
#include "ui/SlotPicture.h"
#include "ui/StatusLine.h"
#include "ui/Table.h"
#include "widgets/EngineTexts.h"
#include "widgets/ErrorBoundary.h"
#include "widgets/MessageBoxService.h"

namespace pairfall {

QtTableView::QtTableView(QWidget* window, Table& table, StatusLine& status, MessageBoxService& boxes, ErrorBoundary& errors, ResultSpeech& speech)
    : m_window(window)
    , m_table(table)
    , m_status(status)
    , m_boxes(boxes)
    , m_errors(errors)
    , m_speech(speech)
{
}

void QtTableView::SetSlotPicture(Int16 slot, const std::string& path)
{
    if (ShowPicture(slot, path) != 0)
        m_speech.Dealt(slot);
    else
        m_speech.Cleared(slot);
}

int QtTableView::ShowPicture(Int16 slot, const std::string& path)
{
    SlotPicture* picture = m_table.Slot(slot);
    const qreal ratio = picture->devicePixelRatioF();
    m_shown[slot] = { path, PictureScaleFor(ratio) };
    LoadedPicture loaded = LoadSlotPicture(path, ratio);
    // The stand-in goes up first, so the slot never shows another card.
    picture->SetPicture(loaded.image);
    // Screen readers name the card, which the picture only shows.
    const int id = CardIdOfPicture(path);
    picture->SetCard(id);
    // Each problem names its file, so a file is reported once.
    if (loaded.problem && m_reportedPictures.insert(loaded.problem->description()).second)
        m_errors.Report(*loaded.problem);
    return id;
}

void QtTableView::RefreshPictures()
{
    for (Int16 slot = 0; slot < SlotCount; ++slot) {
        const ShownFile& shown = m_shown[slot];
        if (!shown.path.empty() && shown.scale != PictureScaleFor(m_table.Slot(slot)->devicePixelRatioF()))
            ShowPicture(slot, shown.path);
    }
}

void QtTableView::SetOutlineVisible(Int16 slot, bool visible)
{
    if (m_table.SetOutlineVisible(slot, visible))
        m_speech.SelectionChanged(slot, visible);
}

void QtTableView::SetStatusText(const std::string& text)
{
    m_status.SetText(GameText(text.c_str()));
    m_speech.StatusChanged();
}

void QtTableView::SetCardsLeftStatus(Int16 cardsLeft)
{
    m_status.SetText(CardsLeftStatus(cardsLeft));
    m_speech.StatusChanged();
}

Answer QtTableView::MessageBox(const std::string& prompt, Buttons buttons, const std::string& title, Icon icon)
{
    // What the press did so far is spoken before the box speaks for itself.
    m_speech.Flush();
    return m_boxes.Ask(m_window, GameText(prompt.c_str()), buttons, GameText(title.c_str()), icon);
}

}
