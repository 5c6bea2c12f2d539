#pragma once
// The message-box service and the "end the program" call. Code below the
// windows never shows a box itself; windows and the shared routines ask this
// service, which the program backs with real dialogs and tests replace with a
// recorder that answers from a script.

#include <QString>
#include <exception>
#include <functional>

namespace platform {

// Button and icon styles, and answers, with the values the windows combine.
namespace msg {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int AnswerOk = 1;
inline constexpr int AnswerCancel = 2;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;
} // namespace msg

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows `prompt` with the buttons and icon of `style`; returns the answer.
    virtual int show(const QString& prompt, int style, const QString& title) = 0;
};

// The service in use; until one is installed, boxes go to standard error and
// answer as if the first button were pressed.
MessageBoxService& messageBoxes();
// Installs `service` (not owned); nullptr goes back to the fallback.
void setMessageBoxService(MessageBoxService* service);

// Shorthand for messageBoxes().show(...).
int msgbox(const QString& prompt, int style = msg::OkOnly, const QString& title = {});

// Ends the program at once: nothing is saved and nothing is closed. The
// program's handler leaves the process; a test's handler throws
// ProgramEnded so the test sees where the handler stopped.
[[noreturn]] void endProgram();
void setEndProgramHandler(std::function<void()> handler);

class ProgramEnded : public std::exception {
public:
    const char* what() const noexcept override { return "the program was ended"; }
};

} // namespace platform
