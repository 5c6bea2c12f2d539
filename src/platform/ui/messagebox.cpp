#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform::ui {
namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case msg::Critical: return QMessageBox::Critical;
    case msg::Question: return QMessageBox::Question;
    case msg::Exclamation: return QMessageBox::Warning;
    case msg::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int style)
{
    switch (style & 7) {
    case msg::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case msg::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case msg::YesNo: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return msg::AnswerCancel;
    case QMessageBox::Yes: return msg::AnswerYes;
    case QMessageBox::No: return msg::AnswerNo;
    default: return msg::AnswerOk;
    }
}

} // namespace

int DialogMessageBoxes::show(const QString& prompt, int style, const QString& title)
{
    QMessageBox box(iconOf(style), title.isEmpty() ? QApplication::applicationName() : title,
                    prompt, buttonsOf(style), QApplication::activeWindow());
    return answerOf(box.exec());
}

void installProgramServices()
{
    static DialogMessageBoxes dialogs;
    setMessageBoxService(&dialogs);
    setEndProgramHandler(nullptr);
}

} // namespace platform::ui
