#pragma once
// The windows of the seller-money library.

namespace platform::ui {
class WindowRegistry;
}

namespace accounts {

void registerWindows(platform::ui::WindowRegistry& registro);

} // namespace accounts
