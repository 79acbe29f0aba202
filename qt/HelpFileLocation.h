// Where the program finds its help file: installed beside the program, in the data folder chosen
// when it was built, or in the source tree when it runs from its build folder.
#pragma once

#include <filesystem>
#include <vector>

namespace dulm {

class HelpFileLocation {
public:
    // The places looked at, in order.
    static std::vector<std::filesystem::path> Candidates();
    // The first candidate that exists; the first candidate when none does, so that the message
    // about the missing file names where it belongs.
    static std::filesystem::path Find();
};

}  // namespace dulm
