#include "app/HelpFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace dulm {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(HelpFileParse, ReadsTopicsInFileOrderWithCanonicalIds) {
    const HelpFile help = HelpFile::Parse(
        "# header comment\n"
        "@topic contents Index of topics\n"
        "Intro text.\n"
        "@topic 0x2006f Binomial\n"
        "\n"
        "Balls fall.\n"
        "\n"
        "@topic using Using Help\n"
        "Click a link.\n");
    ASSERT_EQ(help.Topics().size(), 3u);
    EXPECT_TRUE(help.Warnings().empty());
    const HelpTopic& binomial = help.Topics()[1];
    EXPECT_EQ(binomial.id, "0x2006F");
    EXPECT_EQ(binomial.context, 0x2006Fu);
    EXPECT_EQ(binomial.title, "Binomial");
    EXPECT_EQ(binomial.body, "Balls fall.");  // surrounding blank lines dropped
    EXPECT_EQ(help.FindContext(0x2006F), &binomial);
    EXPECT_EQ(help.FindId("0X2006F"), &binomial);
    EXPECT_EQ(help.FindId("using"), &help.Topics()[2]);
    EXPECT_EQ(help.Topics()[0].context, 0u);
    EXPECT_EQ(help.FindContext(0), nullptr);  // word ids are not reachable by number
}

TEST(HelpFileParse, DropsCommentsButKeepsSubheadings) {
    const HelpFile help = HelpFile::Parse(
        "@topic 0x20004 Central Limit\n"
        "# a note for the author\n"
        "## Keys\n"
        "### also a comment\n"
        "Digits change the pause.\n");
    const HelpTopic* topic = help.FindContext(0x20004);
    ASSERT_NE(topic, nullptr);
    EXPECT_EQ(topic->body, "## Keys\nDigits change the pause.");
    EXPECT_EQ(help.ToHtml(*topic),
              "<h2>Central Limit</h2>\n<h3>Keys</h3>\n<p>Digits change the pause.</p>\n");
}

TEST(HelpFileParse, MissingTitleGetsAFallbackAndAWarning) {
    const HelpFile help = HelpFile::Parse("@topic 0x20004\nBody.\n@topic using\nHow.\n");
    ASSERT_EQ(help.Topics().size(), 2u);
    EXPECT_EQ(help.Topics()[0].title, "Topic 0x20004");
    EXPECT_EQ(help.Topics()[1].title, "Using Help");
    EXPECT_EQ(help.Warnings().size(), 2u);
}

TEST(HelpFileParse, DuplicateIdKeepsTheFirstTopicEvenWhenSpeltDifferently) {
    const HelpFile help = HelpFile::Parse(
        "@topic 0x2006E First\nOne.\n@topic 0x2006e Second\nTwo.\n");
    ASSERT_EQ(help.Topics().size(), 1u);
    EXPECT_EQ(help.Topics()[0].title, "First");
    EXPECT_EQ(help.Topics()[0].body, "One.");
    ASSERT_EQ(help.Warnings().size(), 1u);
    EXPECT_TRUE(Contains(help.Warnings()[0], "line 3"));
}

TEST(HelpFileParse, BadIdSkipsThatTopicAndItsBodyOnly) {
    const HelpFile help = HelpFile::Parse(
        "@topic 0xZZ Broken\nLost text.\n@topic 0x0 Zero\nLost too.\n"
        "@topic\n@topic 0x20003 Correlation\nKept.\n");
    ASSERT_EQ(help.Topics().size(), 1u);
    EXPECT_EQ(help.Topics()[0].body, "Kept.");
    EXPECT_EQ(help.Warnings().size(), 3u);
}

TEST(HelpFileParse, HandlesWindowsLineEndingsAndTextBeforeTheFirstTopic) {
    const HelpFile help = HelpFile::Parse("stray\r\n@topic 0x20003 Correlation \r\nr falls.\r\n");
    ASSERT_EQ(help.Topics().size(), 1u);
    EXPECT_EQ(help.Topics()[0].title, "Correlation");
    EXPECT_EQ(help.Topics()[0].body, "r falls.");
    EXPECT_EQ(help.Warnings().size(), 1u);
}

TEST(HelpFileHtml, EscapesMarkupInTitlesBodiesAndLinkText) {
    const HelpFile help = HelpFile::Parse(
        "@topic 0x20069 t <&> \"z\"\n"
        "p < 0.05 & t > 2\n"
        "@topic 0x20003 A<B\n"
        "See [[0x20069]].\n");
    EXPECT_EQ(help.ToHtml(help.Topics()[0]),
              "<h2>t &lt;&amp;&gt; &quot;z&quot;</h2>\n<p>p &lt; 0.05 &amp; t &gt; 2</p>\n");
    EXPECT_EQ(help.ToHtml(help.Topics()[1]),
              "<h2>A&lt;B</h2>\n<p>See <a href=\"topic:0x20069\">t &lt;&amp;&gt; &quot;z&quot;</a>.</p>\n");
}

TEST(HelpFileHtml, UnknownOrUnclosedLinksBecomePlainText) {
    const HelpFile help = HelpFile::Parse(
        "@topic 0x20003 Correlation\n"
        "Go [[0x29999]] or [[<script>]] or [[using]] then [[0x20003 and on\n");
    const std::string html = help.ToHtml(help.Topics()[0]);
    EXPECT_EQ(html,
              "<h2>Correlation</h2>\n<p>Go 0x29999 or &lt;script&gt; or using then "
              "[[0x20003 and on</p>\n");
    EXPECT_FALSE(Contains(html, "<script"));
}

TEST(HelpFileHtml, BuildsParagraphsListsAndContinuedBullets) {
    const HelpFile help = HelpFile::Parse(
        "@topic 0x20004 Central Limit\n"
        "First line\n"
        "second line.\n"
        "- one\n"
        "  more of one\n"
        "- two [[0x20004]]\n"
        "After the list.\n"
        "\n"
        "- alone\n");
    EXPECT_EQ(help.ToHtml(help.Topics()[0]),
              "<h2>Central Limit</h2>\n"
              "<p>First line second line.</p>\n"
              "<ul>\n<li>one more of one</li>\n"
              "<li>two <a href=\"topic:0x20004\">Central Limit</a></li>\n</ul>\n"
              "<p>After the list.</p>\n"
              "<ul>\n<li>alone</li>\n</ul>\n");
}

TEST(HelpFileHtml, IndexListsEveryNumberedTopicAfterTheContentsText) {
    const HelpFile help = HelpFile::Parse(
        "@topic 0x20087 Introduction\nHi.\n"
        "@topic contents Dulm Help Index\nPick a topic.\n"
        "@topic using Using Help\nHow.\n"
        "@topic 0x20002 The main window\nMenus.\n");
    EXPECT_EQ(help.IndexHtml(),
              "<h2>Dulm Help Index</h2>\n<p>Pick a topic.</p>\n<ul>\n"
              "<li><a href=\"topic:0x20087\">Introduction</a></li>\n"
              "<li><a href=\"topic:0x20002\">The main window</a></li>\n</ul>\n");
}

class HelpFileLoad : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("dulm-help-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path Write(const std::string& name, const std::string& text) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::filesystem::path dir_;
};

TEST_F(HelpFileLoad, MissingFileGivesAMessageNamingIt) {
    std::string error;
    EXPECT_FALSE(HelpFile::Load(dir_ / "nothere.hlp", &error));
    EXPECT_TRUE(Contains(error, "nothere.hlp"));
    EXPECT_TRUE(Contains(error, "not found"));
    EXPECT_FALSE(HelpFile::Load(dir_ / "nothere.hlp"));  // no error sink: still no crash
}

TEST_F(HelpFileLoad, DirectoryOrFileWithoutTopicsIsRefused) {
    std::string error;
    EXPECT_FALSE(HelpFile::Load(dir_, &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(HelpFile::Load(Write("empty.hlp", "# only a comment\n"), &error));
    EXPECT_TRUE(Contains(error, "no help topics"));
}

TEST_F(HelpFileLoad, ReadsAWrittenFile) {
    const auto help = HelpFile::Load(Write("ok.hlp", "@topic 0x20003 Correlation\nr.\n"));
    ASSERT_TRUE(help);
    EXPECT_EQ(help->FindContext(0x20003)->body, "r.");
}

// Every context number the program opens must have a topic, and no link in
// the shipped file may lead nowhere.
TEST(ShippedHelpFile, CoversEveryContextAndEveryLinkResolves) {
    std::string error;
    const auto help = HelpFile::Load(std::filesystem::path(DULM_SOURCE_DIR) / "res/help/dulm.hlp", &error);
    ASSERT_TRUE(help) << error;
    for (const std::string& warning : help->Warnings()) ADD_FAILURE() << warning;

    const unsigned contexts[] = {
        0x20087, 0x20002,                                                  // introduction, main window
        0x2006F, 0x20074, 0x2006E, 0x20004, 0x20079, 0x20069, 0x2006A,     // demonstrations
        0x2007C, 0x2007E, 0x20003, 0x20080, 0x20070, 0x20078,
        0x20064, 0x20066, 0x20067, 0x2006B, 0x2006C, 0x2006D, 0x20073,     // dialogs
        0x20076, 0x2007B, 0x2007D, 0x2007F, 0x27801,
        0x1E100, 0x1E102, 0x1E141, 0x1E800, 0x1E801, 0x1E132, 0x1E133,     // commands
        0x1E142, 0x1E144, 0x1E140, 0x1E145, 0x18007, 0x18005, 0x18006,
        0x18102, 0x1E122, 0x18100, 0x18101, 0x18104, 0x18108};                      // the classroom commands
    for (unsigned context : contexts) {
        const HelpTopic* topic = help->FindContext(context);
        ASSERT_NE(topic, nullptr) << std::hex << "0x" << context;
        EXPECT_FALSE(topic->body.empty()) << topic->id;
    }
    for (const char* word : {"contents", "using"}) {
        ASSERT_NE(help->FindId(word), nullptr) << word;
        EXPECT_FALSE(help->FindId(word)->body.empty()) << word;
    }
    for (const HelpTopic& topic : help->Topics())
        for (const std::string& target : HelpFile::LinkTargets(topic.body))
            EXPECT_NE(help->FindId(target), nullptr) << topic.id << " links to " << target;
}

}  // namespace
}  // namespace dulm
