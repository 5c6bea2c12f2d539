#pragma once
// The windows of the sellers, regions and municipalities, by the names the
// program opens them with. main() (and tests) call registerWindows once.

namespace platform::ui {
class WindowRegistry;
}

namespace sellers {

void registerWindows(platform::ui::WindowRegistry& registry);

} // namespace sellers
