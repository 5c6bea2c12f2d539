#pragma once
// The windows of the taxes and the fiscal report, by the names the program
// opens them with. main() (and tests) call registerWindows once.

namespace platform::ui {
class WindowRegistry;
}

namespace fiscal {

void registerWindows(platform::ui::WindowRegistry& registry);

} // namespace fiscal
