#pragma once
#include "platform/messages.h"

namespace platform::ui {

// The message boxes of the running program: modal dialogs with the buttons
// and icon the style asks for, on top of the active window.
class DialogMessageBoxes final : public MessageBoxService {
public:
    int show(const QString& prompt, int style, const QString& title) override;
};

// Installs the dialogs and the process-leaving end-of-program call; main()
// calls it once the application object exists.
void installProgramServices();

} // namespace platform::ui
