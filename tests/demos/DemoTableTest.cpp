// The registry is the one place a demonstration is named: its rows must not collide, each must
// open and find its help topic, and the desktop files the build writes must carry every row.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include <gtest/gtest.h>

#include "app/HelpFile.h"
#include "demos/Registry.h"
#include "harness/Scenario.h"
#include "platform/Messages.h"
#include "res/Resources.h"

namespace dulm {
namespace {

std::string Contents(const char* path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(DemoTableTest, ThirteenRowsNameTheirFolderAndShareNoNameIdOrExtension) {
    std::set<std::string> names, extensions, typeNames;
    std::set<unsigned> ids;
    for (const DemoDescriptor& demo : Demos()) {
        EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(DULM_SOURCE_DIR) / "demos" / demo.name))
            << demo.name;
        names.insert(demo.name);
        ids.insert(demo.templateId);
        std::string ext = demo.extension;  // files find their template without regard to case
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        extensions.insert(ext);
        typeNames.insert(demo.typeName);
    }
    EXPECT_EQ(names.size(), 13u);
    EXPECT_EQ(ids.size(), 13u);
    EXPECT_EQ(extensions.size(), 13u);
    EXPECT_EQ(typeNames.size(), 13u);
    EXPECT_FALSE(ids.contains(res::IDR_MAINFRAME));
    EXPECT_EQ(FindDemo("correlation")->DocString(),
              "\nCorrelation\nCorrelation Demonstration\nDulm Files (*.dlm)\n.dlm\nDulm.Document\nDulm Document");
}

TEST(DemoTableTest, EveryRowOpensHeadlessAndF1ShowsAHelpTopicThatExists) {
    std::string error;
    const auto help = HelpFile::Load(std::filesystem::path(DULM_SOURCE_DIR) / "res/help/dulm.hlp", &error);
    ASSERT_TRUE(help) << error;
    for (const DemoDescriptor& demo : Demos()) {
        Scenario s(demo.templateId);
        s.HelpAt(10);
        EXPECT_NE(s.RunUntil(1000), Activity::Ended) << demo.name;
        ASSERT_EQ(s.User().HelpContexts().size(), 1u) << demo.name;
        EXPECT_EQ(s.User().HelpContexts()[0], HID_BASE_RESOURCE + demo.templateId) << demo.name;
        EXPECT_NE(help->FindContext(s.User().HelpContexts()[0]), nullptr) << demo.name;
    }
}

TEST(DemoTableTest, TheDesktopFilesTheBuildWritesListEveryDocumentType) {
    const std::string desktop = Contents(DULM_DESKTOP_FILE), mime = Contents(DULM_MIME_FILE);
    std::string mimeTypes;
    for (const DemoDescriptor& demo : Demos()) {
        mimeTypes += demo.MimeType() + ";";
        EXPECT_NE(mime.find("<mime-type type=\"" + demo.MimeType() + "\">"), std::string::npos) << demo.name;
        EXPECT_NE(mime.find("<glob pattern=\"*." + demo.extension + "\"/>"), std::string::npos) << demo.name;
    }
    EXPECT_NE(desktop.find("\nMimeType=" + mimeTypes + "\n"), std::string::npos);
    EXPECT_NE(desktop.find("MimeType=application/x-dulm-qui;application/x-dulm-ski;"), std::string::npos);
    EXPECT_NE(mime.find("<mime-type type=\"application/x-dulm-cnt\">\n    <comment>Cent Document</comment>\n"
                        "    <glob pattern=\"*.cnt\"/>\n  </mime-type>\n"),
              std::string::npos);
}

}  // namespace
}  // namespace dulm
