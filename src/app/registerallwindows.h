#pragma once
// Every window of the program, by the name the menu and the other windows
// open it with: the windows of each library. main() calls it once at start;
// the tests call it to check that the menu reaches every built window.

namespace platform::ui {
class WindowRegistry;
}

namespace app {

void registerAllWindows(platform::ui::WindowRegistry& registry);

} // namespace app
