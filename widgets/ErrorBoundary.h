#pragma once

#include "game/RuntimeError.h"

#include <QString>

#include <exception>
#include <functional>
#include <vector>

class QWidget;

namespace pairfall {

class MessageBoxService;

// Every event handler runs inside Run: a run-time error stops the handler
// where it struck and is shown to the player in a modal box, and the program
// keeps running so the player can go on playing or exit and save.
class ErrorBoundary {
public:
    ErrorBoundary(MessageBoxService& boxes, QWidget* parent);

    // While one exists, every boundary writes its reports to standard error
    // and appends them to the log file given instead: at the end of a
    // Windows session Form_Unload runs inside WM_ENDSESSION, where a box
    // would hold the logoff up, and a Windows program has no standard error.
    class WithoutBoxes {
    public:
        explicit WithoutBoxes(const QString& logFile);
        ~WithoutBoxes();
        WithoutBoxes(const WithoutBoxes&) = delete;
        WithoutBoxes& operator=(const WithoutBoxes&) = delete;

    private:
        QString m_logFile;
        const QString* m_outer;
    };

    // True when the handler ran to its end.
    bool Run(const std::function<void()>& handler);
    void Report(const RuntimeError& error);
    // One report for several problems, under a heading (it may be empty);
    // none when there are none.
    void Report(const QString& heading, const std::vector<RuntimeError>& problems);

private:
    void Report(const QString& message);

    MessageBoxService& m_boxes;
    QWidget* m_parent;
};

}
