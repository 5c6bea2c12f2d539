#pragma once
#include "platform/messages.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace platform::ui {

// The message boxes of the running program: modal dialogs with the buttons,
// default button and icon the style asks for, on top of the active window.
class DialogMessageBoxes final : public MessageBoxService {
public:
    int show(const QString& prompt, int style, const QString& title) override;
};

// The dialog DialogMessageBoxes shows, built but not shown: every part of
// `style` read through msg::boxStyle(). An empty title gives the
// application's name.
std::unique_ptr<QMessageBox> createMessageBox(const QString& prompt, int style, const QString& title,
                                              QWidget* parent = nullptr);
// The answer (msg::Answer…) of a standard button of such a dialog.
int answerOf(int standardButton);

// Loads Qt's own Spanish texts (standard buttons "Sí" and "No", the common
// dialogs) from the translations of the Qt installation; false when they
// are not installed.
bool installSpanishTranslation();

// Qt's own controls in Spanish: month and day names of calendars and date
// pickers. Venezuelan Spanish, whose decimal comma and thousands point are
// the program's regional settings (platform/regional.h); the program's own
// texts of numbers and dates go through those settings, not through this.
void installSpanishLocale();

// Installs the Spanish locale, the dialogs, the Spanish texts and the process-leaving
// end-of-program call; main() calls it once the application object exists.
void installProgramServices();

} // namespace platform::ui
