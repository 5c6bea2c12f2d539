#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
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

// The desktop draws a box's title in the bar above it and cuts it ("Quo...")
// when the box is narrower: the box is made wide enough for its title, in a
// bold face as title bars use, with room for the bar's icon and buttons.
void widenForTitle(QMessageBox& box, const QString& title)
{
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int bar = metrics.height() + 10; // one button of the title bar
    const int width = metrics.horizontalAdvance(title) + 4 * bar;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
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
    widenForTitle(*box, box->windowTitle());
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

void installSpanishLocale()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));
}

void installProgramServices()
{
    installSpanishLocale();
    static DialogMessageBoxes dialogs;
    setMessageBoxService(&dialogs);
    setEndProgramHandler(nullptr);
    if (!installSpanishTranslation())
        qWarning("Qt's Spanish translation is not installed: standard buttons read in English");
}

} // namespace platform::ui
