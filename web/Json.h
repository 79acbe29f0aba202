// A small writer of JSON text for what the page reads from the engine.
#pragma once

#include <string>
#include <string_view>

namespace dulm::web {

// The text as a JSON string literal, quotes included.
std::string Quote(std::string_view text);

class JsonWriter {
public:
    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }
    // A member's name; its value follows.
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view value);
    JsonWriter& Number(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    // A member with its value.
    template <class T>
    JsonWriter& Member(std::string_view name, const T& value) {
        Key(name);
        return Value(value);
    }
    const std::string& Text() const { return m_text; }

private:
    JsonWriter& Value(std::string_view v) { return String(v); }
    JsonWriter& Value(const std::string& v) { return String(v); }
    JsonWriter& Value(const char* v) { return String(v); }
    JsonWriter& Value(bool v) { return Bool(v); }
    JsonWriter& Value(int v) { return Number(v); }
    JsonWriter& Value(unsigned v) { return Number(v); }
    JsonWriter& Value(long v) { return Number(v); }
    JsonWriter& Open(char c);
    JsonWriter& Close(char c);
    void Separate();

    std::string m_text;
    bool m_first = true;  // no value yet at this level
    bool m_afterKey = false;
};

}  // namespace dulm::web
