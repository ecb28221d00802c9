// A small reader of JSON text, so that tests can check that the tool's JSON parses and what it holds.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fendwick::test {

// One parsed value; numbers are kept as doubles, true and false as 1 and 0.
struct JsonValue {
    enum class Kind { null, number, text, array, object };
    Kind kind = Kind::null;
    double number = 0.0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    const JsonValue& operator[](const std::string& key) const { return members.at(key); }
};

// The value of the whole text; nothing when the text is not one JSON value
// with nothing but white space after it.
std::optional<JsonValue> parseJson(const std::string& text);

}  // namespace fendwick::test
