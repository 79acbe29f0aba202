// dulm-desktop-files: the desktop entry and the MIME types of the demonstrations' documents,
// written at build time from the registry's rows so that neither can miss a demonstration.
//   dulm-desktop-files DESKTOP_TEMPLATE DESKTOP_OUT MIME_OUT
// The template is the desktop entry with @MIME_TYPES@ where the document types go.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "demos/Registry.h"

namespace {

constexpr std::string_view kMimeTypesMark = "@MIME_TYPES@";

std::string XmlEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string MimeInfo() {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- Document types of the Dulm demonstrations. The files carry no data:\n"
        "     opening one simply opens a new window of that demonstration. -->\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const dulm::DemoDescriptor& demo : dulm::Demos()) {
        xml += "  <mime-type type=\"" + XmlEscaped(demo.MimeType()) + "\">\n";
        xml += "    <comment>" + XmlEscaped(demo.DocumentTypeName()) + "</comment>\n";
        xml += "    <glob pattern=\"*." + XmlEscaped(demo.extension) + "\"/>\n";
        xml += "  </mime-type>\n";
    }
    return xml + "</mime-info>\n";
}

std::string MimeTypeList() {
    std::string list;
    for (const dulm::DemoDescriptor& demo : dulm::Demos()) list += demo.MimeType() + ";";
    return list;
}

bool Write(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (out) return true;
    std::cerr << "dulm-desktop-files: cannot write " << path << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: dulm-desktop-files DESKTOP_TEMPLATE DESKTOP_OUT MIME_OUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string entry(std::istreambuf_iterator<char>(in), {});
    const size_t mark = entry.find(kMimeTypesMark);
    if (!in || mark == std::string::npos) {
        std::cerr << "dulm-desktop-files: " << argv[1] << " is missing or has no " << kMimeTypesMark << "\n";
        return 1;
    }
    entry.replace(mark, kMimeTypesMark.size(), MimeTypeList());
    return Write(argv[2], entry) && Write(argv[3], MimeInfo()) ? 0 : 1;
}
