// A small writer of indented JSON text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fendwick {

// Objects and arrays opened and closed in order; commas, quotes, escapes and
// two-space indentation are the writer's business. key() names the next
// value inside an object.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(const std::string& name);
    JsonWriter& value(const std::string& text);
    JsonWriter& value(const char* text) { return value(std::string(text)); }
    JsonWriter& value(int64_t number);
    JsonWriter& value(int32_t number) { return value(static_cast<int64_t>(number)); }
    JsonWriter& value(float number);

    // The text so far, with a closing newline once everything is closed.
    std::string text() const;

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);
    void newline();

    std::string out_;
    // Per open level: whether it holds an element yet.
    std::vector<bool> levelHasElement_;
    bool afterKey_ = false;
};

// `text` as a JSON string literal, quotes included.
std::string jsonQuoted(const std::string& text);

}  // namespace fendwick
