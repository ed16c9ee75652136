#pragma once

namespace pairfall {

class SettingsLocation;
class SingleInstance;
class frmMain;

// Loads and shows the main window and runs the program until the window
// closes.  Every way of ending (Exit, the close box, SIGTERM, SIGINT, SIGHUP,
// WM_CLOSE on Windows, the session ending) closes the main window, so its
// Form_Unload runs once; the copy stops answering later starts when it
// begins and gives its lock up after it.  A later start brings the window to
// the front.  A failure at the session's end, where no box may be shown, is
// recorded in the log beside the settings (Pairfall.log) and on standard
// error.  Returns the exit status.
int RunMainWindow(frmMain& window, SingleInstance& copy, const SettingsLocation& settings);

}
