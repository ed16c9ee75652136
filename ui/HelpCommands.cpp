#include "ui/HelpCommands.h"

#include "game/RuntimeError.h"
#include "game/Texts.h"
#include "game/Utf8Path.h"
#include "widgets/EngineTexts.h"
#include "widgets/MessageBoxService.h"

#include <QString>
#include <QWidget>

#ifdef Q_OS_WIN
#include "platform/WinHelp.h"
#else
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#endif

#include <exception>
#include <filesystem>

namespace pairfall {

#ifdef Q_OS_WIN

void PlatformHelpViewer::Open(QWidget* owner, const std::string& helpFile, HelpCommand command)
{
    std::uintptr_t window = 0;
    if (owner)
        window = static_cast<std::uintptr_t>(owner->window()->winId());
    OpenWinHelp(window, helpFile, static_cast<std::uint32_t>(command));
}

#else

void PlatformHelpViewer::Open(QWidget*, const std::string& helpFile, HelpCommand)
{
    // The desktop's viewer has no search of its own to start, so both
    // commands just open the file.
    const QString path = QString::fromStdString(helpFile);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return;
    if (!QFileInfo::exists(path))
        throw RuntimeError::FileNotFound(helpFile);
    throw RuntimeError(RuntimeError::Kind::HelpViewerNotStarted, { helpFile });
}

#endif

std::string HelpFilePath(const std::string& programFolder, const std::string& helpFile)
{
    if (helpFile.empty() || PathFromUtf8(helpFile).is_absolute())
        return helpFile;
    std::filesystem::path path = PathFromUtf8(programFolder) / PathFromUtf8(helpFile);
    // One kind of separator throughout, the platform's own (Qt reports the
    // program's folder with forward slashes on Windows too).
    path.make_preferred();
    return Utf8FromPath(path);
}

void ShowHelp(QWidget* owner, MessageBoxService& boxes, HelpViewer& viewer, const std::string& helpFile, HelpCommand command, const QString& caption)
{
    if (helpFile.empty()) {
        boxes.Ask(owner, GameText(NoHelpMessage), Buttons::OK, caption, Icon::Information);
        return;
    }
    try {
        viewer.Open(owner, helpFile, command);
    } catch (const RuntimeError& error) {
        boxes.Ask(owner, ErrorMessage(error), Buttons::OK, QString::fromLatin1(ApplicationTitle), Icon::None);
    } catch (const std::exception& error) {
        boxes.Ask(owner, QString::fromLocal8Bit(error.what()), Buttons::OK, QString::fromLatin1(ApplicationTitle), Icon::None);
    }
}

}
