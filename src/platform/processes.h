#pragma once
// The workstation's command interpreter and the question "is this program
// file in use?", as Linux answers them.
//
// - The command interpreter is "/bin/sh -c", run in a given folder with no
//   window (the stand-in for "command.com /c"). A command and whatever it
//   starts share one process group, so a command that has to be stopped is
//   stopped whole.
// - A file is in use when a running process executes it, has it mapped
//   (a program run through a loader maps its file) or holds it open. Linux
//   lets such a file be deleted or renamed, so callers ask first. Only the
//   processes this user may inspect are seen.

#include <QString>

namespace platform {

struct CommandOutcome {
    bool started = false;    // false: the interpreter could not be started
    bool finished = false;   // false: stopped after the time limit
    bool normalExit = false; // false: ended by a signal
    int exitCode = -1;
    QString error; // what went wrong, in words, when it did not end well

    bool succeeded() const { return started && finished && normalExit && exitCode == 0; }
};

// Runs `command` through the interpreter in `folder` and waits for it to
// end, at most `timeLimitMs`; past that, the command and everything it
// started are killed. Blocks the calling thread.
CommandOutcome runHiddenCommand(const QString& command, const QString& folder, int timeLimitMs);

// True when a running process executes, maps or holds open the file at
// `path` (the same file: hard links and other names of it count too).
// False for a file that does not exist.
bool isFileInUse(const QString& path);

} // namespace platform
