#pragma once
// The windows of the shared module that serve the reports: the report
// viewer Form15, the ticket window Form39 and the hidden text list Form24.

namespace platform::ui {
class WindowRegistry;
}

namespace core {

void registerReportWindows(platform::ui::WindowRegistry& registro);

} // namespace core
