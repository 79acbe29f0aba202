#include "qt/HelpFileLocation.h"

#include <QCoreApplication>

namespace dulm {

namespace {
constexpr const char* kFileName = "dulm.hlp";
}

std::vector<std::filesystem::path> HelpFileLocation::Candidates() {
    const std::filesystem::path exeDir = QCoreApplication::applicationDirPath().toStdString();
    return {
        exeDir / ".." / "share" / "dulm" / kFileName,
        std::filesystem::path(DULM_DATA_DIR) / kFileName,
        std::filesystem::path(DULM_SOURCE_HELP_FILE),
    };
}

std::filesystem::path HelpFileLocation::Find() {
    const std::vector<std::filesystem::path> candidates = Candidates();
    for (const auto& path : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) return path.lexically_normal();
    }
    return candidates.front().lexically_normal();
}

}  // namespace dulm
