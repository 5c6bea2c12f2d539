#pragma once
// The windows of the lotteries and plays, by the names the program opens
// them with. main() (and tests) call registerWindows once.

namespace platform::ui {
class WindowRegistry;
}

namespace lotteries {

void registerWindows(platform::ui::WindowRegistry& registry);

} // namespace lotteries
