// Start-up of the program: settings key, document type, command line, main window.
#pragma once

class QApplication;

namespace calvex {

struct BatchCommand;

// Sets the organisation and application names that locate the program's settings.
void setUpApplication(QApplication& app);

// Chooses Qt's offscreen platform for a request without a window, unless QT_QPA_PLATFORM names
// one; call before the application object is made.
void useOffscreenPlatform();

// Runs a request without a window (print, chart) and returns the exit status: 0 done, 1 failed (its
// message on standard error). Never shows a window and never waits for a user.
int runWithoutWindow(const BatchCommand& command);

// Creates the main window, opens the document named on the command line and runs the event
// loop. A file that cannot be opened ends the start-up (exit code 1) after its message.
int runCalvex(QApplication& app);

}  // namespace calvex
