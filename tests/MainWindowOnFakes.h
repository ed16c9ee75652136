#pragma once

#include "fakes/EventLog.h"
#include "fakes/MemorySettingsStore.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "fakes/ScriptedRandom.h"
#include "ui/HelpCommands.h"
#include "ui/SlotPicture.h"
#include "ui/Table.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace pairfall::testing {

// The main window on fakes, opened as the program opens it.
class MainWindow : public ::testing::Test {
protected:
    void Open() { Open(store, PAIRFALL_SOURCE_DIR); }
    void Open(SettingsStore& settings, const std::string& programFolder)
    {
        window = std::make_unique<frmMain>(frmMainServices { settings, random, boxes, help, programFolder, "" });
        window->Form_Load();
        window->show();
    }
    void Trigger(const char* command) { window->findChild<QAction*>(command)->trigger(); }
    SlotPicture* Slot(int index) { return window->TableArea().Slot(index); }
    void ClickSlot(int index) { QTest::mouseClick(Slot(index), Qt::LeftButton, {}, QPoint(30, 40)); }

    EventLog log;
    MemorySettingsStore store { log };
    ScriptedMessageBoxes boxes;
    SeededRandom random { 99 };
    PlatformHelpViewer help; // never asked: there is no help file
    std::unique_ptr<frmMain> window;
};

}
