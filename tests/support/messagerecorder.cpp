#include "messagerecorder.h"

#include <QStringList>

namespace testsupport {

MessageRecorder::MessageRecorder()
{
    platform::setMessageBoxService(this);
    platform::setEndProgramHandler([this] {
        ++ends_;
        throw platform::ProgramEnded();
    });
}

MessageRecorder::~MessageRecorder()
{
    platform::setMessageBoxService(nullptr);
    platform::setEndProgramHandler(nullptr);
}

int MessageRecorder::show(const QString& prompt, int style, const QString& title)
{
    boxes_.append({prompt, style, title});
    if (hook_)
        hook_(boxes_.back());
    if (!script_.empty()) {
        const int answer = script_.front();
        script_.pop_front();
        return answer;
    }
    const int buttons = style & 7;
    return buttons == platform::msg::YesNo || buttons == platform::msg::YesNoCancel ? platform::msg::AnswerYes
                                                                                    : platform::msg::AnswerOk;
}

QStringList MessageRecorder::prompts() const
{
    QStringList out;
    for (const auto& box : boxes_)
        out << box.prompt;
    return out;
}

} // namespace testsupport
