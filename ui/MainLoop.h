#pragma once

namespace pairfall {

class SingleInstance;
class frmMain;

// Loads and shows the main window and runs the program until the window
// closes.  Every way of ending (Exit, the close box, SIGTERM, SIGINT, SIGHUP,
// the session ending) closes the main window, so its Form_Unload runs once.
// A later start brings the window to the front.  Returns the exit status.
int RunMainWindow(frmMain& window, SingleInstance& copy);

}
