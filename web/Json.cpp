#include "web/Json.h"

#include <cstdio>

namespace dulm::web {

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void JsonWriter::Separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first) m_text += ',';
    m_first = false;
}

JsonWriter& JsonWriter::Open(char c) {
    Separate();
    m_text += c;
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::Close(char c) {
    m_text += c;
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    Separate();
    m_text += Quote(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
    Separate();
    m_text += Quote(value);
    return *this;
}

JsonWriter& JsonWriter::Number(long long value) {
    Separate();
    m_text += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    m_text += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    m_text += "null";
    return *this;
}

}  // namespace dulm::web
