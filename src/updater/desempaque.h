#pragma once
// The run of a package through the command interpreter ("/bin/sh -c", in
// the program folder, with no window and its output discarded), so that no
// process of the package outlives the run or the updater.
//
// The interpreter runs under a small guard process of its own process
// group. The guard ends the whole group
//  - when the interpreter has ended (nothing the package left running can
//    change the folder after its file is installed);
//  - when the updater dies, however it dies (kill -9 included): the kernel
//    tells the guard through its parent-death signal;
//  - and the updater ends the group itself past the time limit.
// A package that leaves its group on purpose is out of reach.

#include "platform/processes.h"

#include <QString>

namespace updater {

// Runs `comando` in `carpeta` and waits for it to end, at most `limiteMs`.
// Blocks the calling thread, which must be the main thread (the parent-death
// signal follows the thread that started the guard).
platform::CommandOutcome ejecutaDesempaque(const QString& comando, const QString& carpeta, int limiteMs);

} // namespace updater
