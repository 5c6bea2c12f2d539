#pragma once
// The message-box service and the "end the program" call. Code below the
// windows never shows a box itself; windows and the shared routines ask this
// service, which the program backs with real dialogs and tests replace with a
// recorder that answers from a script.

#include <QList>
#include <QString>
#include <exception>
#include <functional>

namespace platform {

// Button, icon and default-button styles, and answers, with the values the
// windows add together (276 = YesNo + Critical + DefaultButton2).
namespace msg {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton1 = 0;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;

inline constexpr int AnswerOk = 1;
inline constexpr int AnswerCancel = 2;
inline constexpr int AnswerAbort = 3;
inline constexpr int AnswerRetry = 4;
inline constexpr int AnswerIgnore = 5;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;

enum class Icon { NoIcon, CriticalIcon, QuestionIcon, ExclamationIcon, InformationIcon };

// What a style value asks of a box: its buttons, named by the answer each
// gives, in order; the answer of the default button (the one Enter
// presses); the icon.
struct BoxStyle {
    QList<int> buttons;
    int defaultAnswer = AnswerOk;
    Icon icon = Icon::NoIcon;
};

// Reads every part of `style`. A default button beyond the box's buttons
// falls back to the first one; unknown button codes give OK alone.
BoxStyle boxStyle(int style);
} // namespace msg

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows `prompt` with the buttons and icon of `style`; returns the answer.
    virtual int show(const QString& prompt, int style, const QString& title) = 0;
};

// The service in use; until one is installed, boxes go to standard error and
// answer as if the default button were pressed.
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
