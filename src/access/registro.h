#pragma once
// The windows of the users, operators, permissions and terminal serials.

namespace platform::ui {
class WindowRegistry;
}

namespace acceso {

void registerWindows(platform::ui::WindowRegistry& registry);

} // namespace acceso
