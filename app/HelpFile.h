// The program's help file: a plain-text list of topics, each opened by a
// context number (0x20000 + a window's resource id, 0x10000 + a command id)
// or by one of the words "contents" and "using".
//
// Format, one line at a time:
//   # ...                  comment (ignored anywhere)
//   @topic ID Title text   starts a topic; ID is 0x<hex>, "contents" or "using"
//   (blank line)           paragraph break
//   - text                 bullet item; following indented lines continue it
//   ## text                subheading (inside a topic; "## " is not a comment)
//   [[ID]]                 link to topic ID, shown with that topic's title
//
// Standard C++ only, so that the parser is tested without a GUI.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dulm {

struct HelpTopic {
    std::string id;        // "0x20087" (upper-case hex digits), "contents" or "using"
    unsigned context = 0;  // numeric context; 0 for the word ids
    std::string title;
    std::string body;      // raw body lines, comments removed, joined by '\n'
};

class HelpFile {
public:
    // Never fails: malformed lines are skipped and reported by Warnings().
    static HelpFile Parse(std::string_view text);

    // Returns std::nullopt when the file is missing or unreadable; *error
    // (if given) then holds a sentence fit to show the user.
    static std::optional<HelpFile> Load(const std::filesystem::path& path,
                                        std::string* error = nullptr);

    const std::vector<HelpTopic>& Topics() const { return m_topics; }
    const std::vector<std::string>& Warnings() const { return m_warnings; }

    const HelpTopic* FindContext(unsigned context) const;
    // Accepts "contents", "using" or a hex id in any letter case.
    const HelpTopic* FindId(std::string_view id) const;

    // The ids named by [[...]] links in a body, in order of appearance.
    static std::vector<std::string> LinkTargets(std::string_view body);

    // Links are rendered as <a href="topic:ID">Title</a>; a link to an
    // unknown topic becomes plain (escaped) text.
    std::string ToHtml(const HelpTopic& topic) const;
    // The "contents" text followed by a linked list of every other topic
    // (except "using"), in file order.
    std::string IndexHtml() const;

private:
    std::optional<HelpTopic> StartTopic(std::string_view line, int lineNo);
    void AddTopic(HelpTopic topic, int line);
    std::string BodyHtml(std::string_view body) const;
    std::string InlineHtml(std::string_view text) const;

    std::vector<HelpTopic> m_topics;
    std::vector<std::string> m_warnings;
};

}  // namespace dulm
