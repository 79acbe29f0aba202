#include "app/DataExport.h"

#include "app/DemoData.h"
#include "app/DemoView.h"
#include "platform/ViewHost.h"

namespace dulm {

std::optional<std::string> ExportCsv(ViewHost& host, std::chrono::milliseconds patience) {
    DemoData data;
    data.Parameter("Demonstration", host.Template().GetDocString(CMultiDocTemplate::docName));
    const bool read = host.Queue().WhileParked(patience, [&] {
        if (const auto* view = dynamic_cast<const CDemoView*>(host.View())) view->ExportData(data);
    });
    if (!read) return std::nullopt;
    if (const std::optional<long> seed = host.Recorded().seed) data.Parameter("Seed", std::to_string(*seed));
    return data.Csv();
}

}  // namespace dulm
