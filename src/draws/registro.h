#pragma once
// The windows of the draws, tickets and sales control, by the names the
// program opens them with. main() (and tests) call registerWindows once.

namespace platform::ui {
class WindowRegistry;
}

namespace draws {

void registerWindows(platform::ui::WindowRegistry& registry);

} // namespace draws
