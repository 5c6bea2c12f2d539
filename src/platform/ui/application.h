#pragma once
// The program's application object. Every event of every window is
// dispatched through it, so it is the one place where an error that escapes
// a handler is caught: a handler without an error trap of its own that
// meets a server error (a window whose load fails, a refused call) reports
// it and the program goes on, instead of ending.

#include <QApplication>

#include <exception>
#include <functional>

namespace platform::ui {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Dispatches the event; an exception escaping its handler goes to the
    // escaped-error report, except platform::ProgramEnded, which passes on
    // (the tests' way of ending the program).
    bool notify(QObject* receiver, QEvent* event) override;
};

// How an error that escaped a handler is reported; until one is set, it is
// written to standard error. The program sets the shared trap's message.
using EscapedErrorReport = std::function<void(std::exception_ptr)>;
void setEscapedErrorReport(EscapedErrorReport report);
// Reports `error` the way set above.
void reportEscapedError(std::exception_ptr error);

} // namespace platform::ui
