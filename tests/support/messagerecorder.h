#pragma once
// Test stand-ins for the message-box service and the end-of-program call.

#include "platform/messages.h"

#include <QList>
#include "qtprint.h"

#include <QString>
#include <deque>
#include <functional>

namespace testsupport {

struct RecordedBox {
    QString prompt;
    int style = 0;
    QString title;
};

// Records every box shown while it lives and answers from a script (Ok, or
// Yes for yes/no boxes, when the script is empty). Also turns the end of the
// program into a ProgramEnded exception and counts it.
class MessageRecorder final : public platform::MessageBoxService {
public:
    MessageRecorder();
    ~MessageRecorder() override;

    int show(const QString& prompt, int style, const QString& title) override;

    void answerNext(int answer) { script_.push_back(answer); }
    // Runs with each box as it is shown, before it is answered (the user
    // doing something while the box is up).
    void onShow(std::function<void(const RecordedBox&)> hook) { hook_ = std::move(hook); }
    const QList<RecordedBox>& boxes() const { return boxes_; }
    QStringList prompts() const;
    void clear() { boxes_.clear(); }
    int programEnds() const { return ends_; }

private:
    QList<RecordedBox> boxes_;
    std::deque<int> script_;
    int ends_ = 0;
    std::function<void(const RecordedBox&)> hook_;
};

} // namespace testsupport
