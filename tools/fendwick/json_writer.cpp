// JSON text output.
#include "json_writer.h"

#include "number_text.h"

#include <cmath>

namespace fendwick {

std::string jsonQuoted(const std::string& text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20) {
            quoted += std::string("\\u00") + kHex[byte >> 4] + kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void JsonWriter::newline()
{
    out_ += '\n';
    out_.append(levelHasElement_.size() * 2, ' ');
}

void JsonWriter::beforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!levelHasElement_.empty()) {
        if (levelHasElement_.back()) {
            out_ += ',';
        }
        levelHasElement_.back() = true;
        newline();
    }
}

void JsonWriter::open(char bracket)
{
    beforeValue();
    out_ += bracket;
    levelHasElement_.push_back(false);
}

void JsonWriter::close(char bracket)
{
    const bool hadElements = levelHasElement_.back();
    levelHasElement_.pop_back();
    if (hadElements) {
        newline();
    }
    out_ += bracket;
}

JsonWriter& JsonWriter::beginObject()
{
    open('{');
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    close('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    open('[');
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(const std::string& name)
{
    beforeValue();
    out_ += jsonQuoted(name) + ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(const std::string& text)
{
    beforeValue();
    out_ += jsonQuoted(text);
    return *this;
}

JsonWriter& JsonWriter::value(int64_t number)
{
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(float number)
{
    beforeValue();
    // JSON has no infinities or NaN.
    out_ += std::isfinite(number) ? formatShortest(number) : "null";
    return *this;
}

std::string JsonWriter::text() const
{
    return levelHasElement_.empty() ? out_ + "\n" : out_;
}

}  // namespace fendwick
