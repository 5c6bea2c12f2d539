#pragma once
// The windows of subsystem 1, by the names the program gives them.

namespace platform::ui {
class WindowRegistry;
}

namespace core {

void registerWindows(platform::ui::WindowRegistry& registry);

} // namespace core
