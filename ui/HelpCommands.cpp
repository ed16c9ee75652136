#include "ui/HelpCommands.h"

#include "game/RuntimeError.h"
#include "game/Texts.h"
#include "widgets/MessageBoxService.h"

#include <QString>
#include <QWidget>

#ifdef Q_OS_WIN
#include <QLibrary>

#include <windows.h>
#else
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#endif

#include <exception>

namespace pairfall {

#ifdef Q_OS_WIN

void PlatformHelpViewer::Open(QWidget* owner, const std::string& helpFile, HelpCommand command)
{
    // Looked up when asked for, so the program still starts where the
    // viewer has gone.
    using WinHelpFunction = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);
    const auto winHelp = reinterpret_cast<WinHelpFunction>(QLibrary::resolve(QStringLiteral("user32"), "WinHelpA"));
    if (!winHelp)
        throw RuntimeError(RuntimeError::Kind::FileNotFound, "The help viewer could not be found (WinHelpA in user32)");

    const HWND window = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    const QByteArray path = QString::fromStdString(helpFile).toLocal8Bit();
    // The search command takes the address of its keyword: here an empty one.
    const std::int16_t noKeyword = 0;
    winHelp(window, path.constData(), static_cast<UINT>(command), reinterpret_cast<ULONG_PTR>(&noKeyword));
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
    throw RuntimeError(RuntimeError::Kind::FileNotFound, "The help viewer could not be started for " + helpFile);
}

#endif

void ShowHelp(QWidget* owner, MessageBoxService& boxes, HelpViewer& viewer, const std::string& helpFile, HelpCommand command, const std::string& caption)
{
    if (helpFile.empty()) {
        boxes.Ask(owner, NoHelpMessage, Buttons::OK, caption, Icon::Information);
        return;
    }
    try {
        viewer.Open(owner, helpFile, command);
    } catch (const std::exception& error) { // a RuntimeError's what() is its description
        boxes.Ask(owner, error.what(), Buttons::OK, ApplicationTitle, Icon::None);
    }
}

}
