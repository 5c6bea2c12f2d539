#pragma once
// The windows of the report windows' library.

namespace platform::ui {
class WindowRegistry;
}

namespace reportwindows {

void registerWindows(platform::ui::WindowRegistry& registro);

} // namespace reportwindows
