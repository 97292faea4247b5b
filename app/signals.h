#pragma once

class ProgramWindows;

// SIGTERM, SIGINT and SIGHUP (a logout, a kill, the terminal closing) end
// the program through the exit sequence, as File, Exit does, rather than
// killing it mid-way.
void endOnTerminationSignals(ProgramWindows &windows);
