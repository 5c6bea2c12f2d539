#include "platform/messages.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

class StandardErrorBoxes final : public MessageBoxService {
public:
    int show(const QString& prompt, int style, const QString& title) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(prompt));
        const int buttons = style & 7;
        return buttons == msg::YesNo || buttons == msg::YesNoCancel ? msg::AnswerYes
                                                                     : msg::AnswerOk;
    }
};

StandardErrorBoxes fallbackBoxes;
MessageBoxService* installedBoxes = nullptr;
std::function<void()> endHandler;

} // namespace

MessageBoxService& messageBoxes()
{
    return installedBoxes ? *installedBoxes : fallbackBoxes;
}

void setMessageBoxService(MessageBoxService* service)
{
    installedBoxes = service;
}

int msgbox(const QString& prompt, int style, const QString& title)
{
    return messageBoxes().show(prompt, style, title);
}

void endProgram()
{
    if (endHandler)
        endHandler();
    // A handler that returns (or none at all) still leaves: ending is final.
    std::fflush(nullptr);
    std::_Exit(0);
}

void setEndProgramHandler(std::function<void()> handler)
{
    endHandler = std::move(handler);
}

} // namespace platform
