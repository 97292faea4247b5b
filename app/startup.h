#pragma once

#include <memory>

class ProgramWindows;
class QApplication;

// What the program does at start: set up the application object, create the
// five windows over the real system with the card set in the application
// folder, end the event loop when the last window is unloaded, and show the
// main window. The windows must go before the application object.
std::unique_ptr<ProgramWindows> startProgram(QApplication &application);
