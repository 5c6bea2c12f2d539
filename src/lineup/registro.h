#pragma once
// The windows of the line-up library.

namespace platform::ui {
class WindowRegistry;
}

namespace lineup {

void registerWindows(platform::ui::WindowRegistry& registro);

} // namespace lineup
