#pragma once

#include <QString>

#include <cstdint>
#include <string>

class QWidget;

namespace pairfall {

class MessageBoxService;

enum class HelpCommand : std::uint32_t {
    Contents = 3, // HELP_CONTENTS
    PartialKey = 0x0105, // HELP_PARTIALKEY: the viewer's search, here with an empty keyword
};

// Opens a help file in the platform's help viewer; throws RuntimeError when
// the viewer cannot be reached.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void Open(QWidget* owner, const std::string& helpFile, HelpCommand command) = 0;
};

// WinHelpA of user32, looked up at run time (platform/WinHelp.h), on Windows; the desktop's
// default viewer for the file elsewhere.
class PlatformHelpViewer final : public HelpViewer {
public:
    void Open(QWidget* owner, const std::string& helpFile, HelpCommand command) override;
};

// The help file a setting names: a relative path is taken from the program's
// folder, not the working folder; an absolute one, or none, stays as it is.
std::string HelpFilePath(const std::string& programFolder, const std::string& helpFile);

// The Contents and Search commands.  With no help file configured the player
// is told so; a viewer that cannot be reached is reported by its error's
// description, never raised.
void ShowHelp(QWidget* owner, MessageBoxService& boxes, HelpViewer& viewer, const std::string& helpFile, HelpCommand command, const QString& caption);

}
