#pragma once
// Registers the windows of a seller's sale parameters under their names.

namespace platform::ui {
class WindowRegistry;
}

namespace sellerparams {

void registerWindows(platform::ui::WindowRegistry& registry);

} // namespace sellerparams
