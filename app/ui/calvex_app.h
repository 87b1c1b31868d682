// Start-up of the program: settings key, document type, command line, main window.
#pragma once

class QApplication;

namespace calvex {

// Sets the organisation and application names that locate the program's settings.
void setUpApplication(QApplication& app);

// Creates the main window, processes the command line and runs the event loop. A file named on
// the command line that cannot be opened ends the start-up (exit code 1) after its message.
int runCalvex(QApplication& app);

}  // namespace calvex
