#include "app/HelpFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

namespace dulm {
namespace {

constexpr std::string_view kTopicTag = "@topic";
constexpr std::string_view kHeadingTag = "## ";
constexpr std::string_view kBulletTag = "- ";
constexpr std::string_view kLinkOpen = "[[";
constexpr std::string_view kLinkClose = "]]";
constexpr std::string_view kContents = "contents";
constexpr std::string_view kUsing = "using";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string HexId(unsigned context) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", context);
    return buf;
}

// "0x" followed by 1 to 8 hex digits, not zero (0 marks the word ids).
std::optional<unsigned> ParseHex(std::string_view id) {
    if (id.size() < 3 || id.size() > 10 || id[0] != '0' || (id[1] != 'x' && id[1] != 'X'))
        return std::nullopt;
    unsigned value = 0;
    for (char c : id.substr(2)) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                                       : std::tolower(c) - 'a' + 10;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    if (value == 0) return std::nullopt;
    return value;
}

// The canonical spelling of an id and its context number, so that lookups
// and duplicate checks do not depend on how the author spelt it.
std::optional<std::pair<std::string, unsigned>> NormaliseId(std::string_view raw) {
    const std::string word = Lower(raw);
    if (word == kContents || word == kUsing) return std::make_pair(word, 0u);
    if (auto context = ParseHex(raw)) return std::make_pair(HexId(*context), *context);
    return std::nullopt;
}

std::string DefaultTitle(const std::string& id) {
    if (id == kContents) return "Index";
    if (id == kUsing) return "Using Help";
    return "Topic " + id;
}

// "## " is a subheading, so only other '#' lines are comments.
bool IsComment(std::string_view line) {
    return StartsWith(line, "#") && !StartsWith(line, kHeadingTag);
}

bool IsTopicLine(std::string_view line) {
    return StartsWith(line, kTopicTag) &&
           (line.size() == kTopicTag.size() || IsSpace(line[kTopicTag.size()]));
}

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Warning(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

// Turns already-rendered inline HTML lines into paragraphs, lists and
// subheadings. Kept apart from the parser so that each rule is one method.
class BlockWriter {
public:
    void Heading(const std::string& html) {
        Break();
        m_out += "<h3>" + html + "</h3>\n";
    }
    void Bullet(const std::string& html) {
        ClosePara();
        m_out += m_bInList ? "</li>\n<li>" : "<ul>\n<li>";
        m_out += html;
        m_bInList = true;
    }
    void Text(const std::string& html, bool indented) {
        if (m_bInList && indented) {  // continuation of the current bullet
            m_out += " " + html;
            return;
        }
        CloseList();
        m_para += (m_para.empty() ? "" : " ") + html;
    }
    void Break() {
        ClosePara();
        CloseList();
    }
    std::string Finish() {
        Break();
        return std::move(m_out);
    }

private:
    void ClosePara() {
        if (!m_para.empty()) m_out += "<p>" + m_para + "</p>\n";
        m_para.clear();
    }
    void CloseList() {
        if (m_bInList) m_out += "</li>\n</ul>\n";
        m_bInList = false;
    }

    std::string m_out;
    std::string m_para;
    bool m_bInList = false;
};

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string JoinTrimmed(const std::vector<std::string>& lines) {
    size_t first = 0, last = lines.size();
    while (first < last && lines[first].empty()) ++first;
    while (last > first && lines[last - 1].empty()) --last;
    std::string body;
    for (size_t i = first; i < last; ++i) body += (i > first ? "\n" : "") + lines[i];
    return body;
}

}  // namespace

std::optional<HelpTopic> HelpFile::StartTopic(std::string_view line, int lineNo) {
    std::istringstream words{std::string(line.substr(kTopicTag.size()))};
    std::string rawId, title;
    words >> rawId;
    std::getline(words, title);
    const auto id = NormaliseId(rawId);
    if (!id) {
        m_warnings.push_back(Warning(lineNo, "bad topic id '" + rawId + "', topic skipped"));
        return std::nullopt;
    }
    HelpTopic topic{id->first, id->second, std::string(Trim(title)), {}};
    if (topic.title.empty()) {
        m_warnings.push_back(Warning(lineNo, "topic " + topic.id + " has no title"));
        topic.title = DefaultTitle(topic.id);
    }
    return topic;
}

HelpFile HelpFile::Parse(std::string_view text) {
    HelpFile file;
    std::optional<HelpTopic> topic;
    std::vector<std::string> body;
    int topicLine = 0;
    bool inBadTopic = false;  // body lines of a skipped topic are dropped silently
    auto finishTopic = [&] {
        if (topic) {
            topic->body = JoinTrimmed(body);
            file.AddTopic(std::move(*topic), topicLine);
        }
        body.clear();
    };
    int lineNo = 0;
    for (std::string_view raw : SplitLines(text)) {
        const std::string_view line = TrimRight(raw);
        ++lineNo;
        if (IsTopicLine(line)) {
            finishTopic();
            topicLine = lineNo;
            topic = file.StartTopic(line, lineNo);
            inBadTopic = !topic;
        } else if (IsComment(line)) {
            continue;
        } else if (topic) {
            body.emplace_back(line);
        } else if (!inBadTopic && !line.empty()) {
            file.m_warnings.push_back(Warning(lineNo, "text outside any topic ignored"));
        }
    }
    finishTopic();
    return file;
}

void HelpFile::AddTopic(HelpTopic topic, int line) {
    if (FindId(topic.id)) {
        m_warnings.push_back(Warning(line, "duplicate topic " + topic.id + ", the first one is kept"));
        return;
    }
    m_topics.push_back(std::move(topic));
}

std::optional<HelpFile> HelpFile::Load(const std::filesystem::path& path, std::string* error) {
    auto fail = [&](const std::string& why) -> std::optional<HelpFile> {
        if (error) *error = "The help file \"" + path.string() + "\" " + why;
        return std::nullopt;
    };
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return fail("was not found.");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    if (!in || in.bad()) return fail("could not be read.");
    HelpFile file = Parse(text.str());
    if (file.m_topics.empty()) return fail("contains no help topics.");
    return file;
}

const HelpTopic* HelpFile::FindContext(unsigned context) const {
    if (context == 0) return nullptr;  // 0 is not a context number, only "a word id"
    for (const HelpTopic& t : m_topics)
        if (t.context == context) return &t;
    return nullptr;
}

const HelpTopic* HelpFile::FindId(std::string_view id) const {
    const auto normal = NormaliseId(Trim(id));
    if (!normal) return nullptr;
    for (const HelpTopic& t : m_topics)
        if (t.id == normal->first) return &t;
    return nullptr;
}

std::vector<std::string> HelpFile::LinkTargets(std::string_view body) {
    std::vector<std::string> targets;
    size_t pos = 0;
    while ((pos = body.find(kLinkOpen, pos)) != std::string_view::npos) {
        const size_t start = pos + kLinkOpen.size();
        const size_t end = body.find(kLinkClose, start);
        if (end == std::string_view::npos) break;
        targets.emplace_back(Trim(body.substr(start, end - start)));
        pos = end + kLinkClose.size();
    }
    return targets;
}

std::string HelpFile::InlineHtml(std::string_view text) const {
    std::string html;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find(kLinkOpen, pos);
        const size_t close = open == std::string_view::npos ? open : text.find(kLinkClose, open);
        if (close == std::string_view::npos) break;  // no complete link left: rest is text
        html += Escape(text.substr(pos, open - pos));
        const std::string_view target = Trim(text.substr(open + 2, close - open - 2));
        if (const HelpTopic* t = FindId(target))
            html += "<a href=\"topic:" + t->id + "\">" + Escape(t->title) + "</a>";
        else
            html += Escape(target);  // unknown topic: show the id, link nowhere
        pos = close + kLinkClose.size();
    }
    return html + Escape(text.substr(std::min(pos, text.size())));
}

std::string HelpFile::BodyHtml(std::string_view body) const {
    BlockWriter blocks;
    for (std::string_view line : SplitLines(body)) {
        const std::string_view text = Trim(line);
        if (text.empty())
            blocks.Break();
        else if (StartsWith(line, kHeadingTag))
            blocks.Heading(InlineHtml(Trim(line.substr(kHeadingTag.size()))));
        else if (StartsWith(line, kBulletTag))
            blocks.Bullet(InlineHtml(Trim(line.substr(kBulletTag.size()))));
        else
            blocks.Text(InlineHtml(text), IsSpace(line.front()));
    }
    return blocks.Finish();
}

std::string HelpFile::ToHtml(const HelpTopic& topic) const {
    return "<h2>" + Escape(topic.title) + "</h2>\n" + BodyHtml(topic.body);
}

std::string HelpFile::IndexHtml() const {
    const HelpTopic* contents = FindId(kContents);
    std::string html = "<h2>" + Escape(contents ? contents->title : DefaultTitle("contents")) + "</h2>\n";
    if (contents) html += BodyHtml(contents->body);
    html += "<ul>\n";
    for (const HelpTopic& t : m_topics)
        if (t.context != 0)
            html += "<li><a href=\"topic:" + t.id + "\">" + Escape(t.title) + "</a></li>\n";
    return html + "</ul>\n";
}

}  // namespace dulm
