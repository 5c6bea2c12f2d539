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
        return msg::boxStyle(style).defaultAnswer;
    }
};

StandardErrorBoxes fallbackBoxes;
MessageBoxService* installedBoxes = nullptr;
std::function<void()> endHandler;

} // namespace

msg::BoxStyle msg::boxStyle(int style)
{
    BoxStyle box;
    switch (style & 7) {
    case OkCancel: box.buttons = {AnswerOk, AnswerCancel}; break;
    case AbortRetryIgnore: box.buttons = {AnswerAbort, AnswerRetry, AnswerIgnore}; break;
    case YesNoCancel: box.buttons = {AnswerYes, AnswerNo, AnswerCancel}; break;
    case YesNo: box.buttons = {AnswerYes, AnswerNo}; break;
    case RetryCancel: box.buttons = {AnswerRetry, AnswerCancel}; break;
    default: box.buttons = {AnswerOk}; break;
    }
    const int defaultIndex = (style >> 8) & 3;
    box.defaultAnswer = box.buttons.value(defaultIndex, box.buttons.first());
    switch (style & 0x70) {
    case Critical: box.icon = Icon::CriticalIcon; break;
    case Question: box.icon = Icon::QuestionIcon; break;
    case Exclamation: box.icon = Icon::ExclamationIcon; break;
    case Information: box.icon = Icon::InformationIcon; break;
    default: box.icon = Icon::NoIcon; break;
    }
    return box;
}

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
