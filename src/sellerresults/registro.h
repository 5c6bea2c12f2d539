#pragma once
// The windows of the seller results library.

namespace platform::ui {
class WindowRegistry;
}

namespace sellerresults {

void registerWindows(platform::ui::WindowRegistry& registro);

} // namespace sellerresults
