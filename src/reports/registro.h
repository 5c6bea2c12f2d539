#pragma once
// The windows of the reports library: the report
// viewer Form15, the ticket window Form39 and the hidden text list Form24.

namespace platform::ui {
class WindowRegistry;
}

namespace reports {

void registerWindows(platform::ui::WindowRegistry& registro);

} // namespace reports
