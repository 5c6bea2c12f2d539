#include "platform/ui/application.h"

#include "platform/messages.h"

#include <cstdio>

namespace platform::ui {
namespace {

EscapedErrorReport& escapedErrorReport()
{
    static EscapedErrorReport report;
    return report;
}

void writeToStandardError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error escaped a handler: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "error escaped a handler\n");
    }
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ProgramEnded&) {
        throw;
    } catch (...) {
        reportEscapedError(std::current_exception());
        return true; // the event was handled, badly
    }
}

void setEscapedErrorReport(EscapedErrorReport report)
{
    escapedErrorReport() = std::move(report);
}

void reportEscapedError(std::exception_ptr error)
{
    try {
        if (escapedErrorReport())
            escapedErrorReport()(error);
        else
            writeToStandardError(error);
    } catch (const ProgramEnded&) {
        throw;
    } catch (...) {
        // The report itself failed: nothing more can be told.
        writeToStandardError(std::current_exception());
    }
}

} // namespace platform::ui
