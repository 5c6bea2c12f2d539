#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <utility>

namespace platform::ui {
namespace {

// Answers and the standard buttons that give them, in one table both ways.
constexpr std::pair<int, QMessageBox::StandardButton> Buttons[] = {
    {msg::AnswerOk, QMessageBox::Ok},         {msg::AnswerCancel, QMessageBox::Cancel},
    {msg::AnswerAbort, QMessageBox::Abort},   {msg::AnswerRetry, QMessageBox::Retry},
    {msg::AnswerIgnore, QMessageBox::Ignore}, {msg::AnswerYes, QMessageBox::Yes},
    {msg::AnswerNo, QMessageBox::No},
};

QMessageBox::StandardButton buttonOf(int answer)
{
    for (const auto& [a, button] : Buttons) {
        if (a == answer)
            return button;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconOf(msg::Icon icon)
{
    switch (icon) {
    case msg::Icon::CriticalIcon: return QMessageBox::Critical;
    case msg::Icon::QuestionIcon: return QMessageBox::Question;
    case msg::Icon::ExclamationIcon: return QMessageBox::Warning;
    case msg::Icon::InformationIcon: return QMessageBox::Information;
    case msg::Icon::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int answerOf(int standardButton)
{
    for (const auto& [answer, button] : Buttons) {
        if (button == standardButton)
            return answer;
    }
    return msg::AnswerOk;
}

std::unique_ptr<QMessageBox> createMessageBox(const QString& prompt, int style, const QString& title,
                                              QWidget* parent)
{
    const msg::BoxStyle wanted = msg::boxStyle(style);
    auto box = std::make_unique<QMessageBox>(parent);
    box->setIcon(iconOf(wanted.icon));
    box->setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    box->setText(prompt);
    for (const int answer : wanted.buttons)
        box->addButton(buttonOf(answer));
    box->setDefaultButton(buttonOf(wanted.defaultAnswer));
    return box;
}

int DialogMessageBoxes::show(const QString& prompt, int style, const QString& title)
{
    const auto box = createMessageBox(prompt, style, title, QApplication::activeWindow());
    return answerOf(box->exec());
}

bool installSpanishTranslation()
{
    static QTranslator* spanish = nullptr;
    if (spanish)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    spanish = translator.release();
    QCoreApplication::installTranslator(spanish);
    return true;
}

void installProgramServices()
{
    static DialogMessageBoxes dialogs;
    setMessageBoxService(&dialogs);
    setEndProgramHandler(nullptr);
    if (!installSpanishTranslation())
        qWarning("Qt's Spanish translation is not installed: standard buttons read in English");
}

} // namespace platform::ui
