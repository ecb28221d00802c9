// A recursive-descent JSON reader.
#include "json_reader.h"

#include <cctype>
#include <cstdlib>

namespace fendwick::test {
namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    bool value(JsonValue& out)
    {
        skipSpace();
        if (at_ >= text_.size()) {
            return false;
        }
        const char c = text_[at_];
        if (c == '{') {
            return object(out);
        }
        if (c == '[') {
            return array(out);
        }
        if (c == '"') {
            out.kind = JsonValue::Kind::text;
            return string(out.text);
        }
        for (const auto& word : {std::pair<const char*, double>{"true", 1.0}, {"false", 0.0}, {"null", 0.0}}) {
            if (text_.compare(at_, std::string(word.first).size(), word.first) == 0) {
                at_ += std::string(word.first).size();
                out.kind = word.first[0] == 'n' ? JsonValue::Kind::null : JsonValue::Kind::number;
                out.number = word.second;
                return true;
            }
        }
        char* end = nullptr;
        out.number = std::strtod(text_.c_str() + at_, &end);
        out.kind = JsonValue::Kind::number;
        const size_t used = static_cast<size_t>(end - (text_.c_str() + at_));
        at_ += used;
        return used > 0;
    }

    bool atEnd()
    {
        skipSpace();
        return at_ == text_.size();
    }

private:
    void skipSpace()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])) != 0) {
            ++at_;
        }
    }

    bool take(char c)
    {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool string(std::string& out)
    {
        ++at_;
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (c == '\\' && at_ < text_.size()) {
                const char escaped = text_[at_++];
                if (escaped == 'u') {
                    c = static_cast<char>(std::strtol(text_.substr(at_, 4).c_str(), nullptr, 16));
                    at_ += 4;
                } else {
                    c = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                }
            } else if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            out += c;
        }
        return take('"');
    }

    bool array(JsonValue& out)
    {
        out.kind = JsonValue::Kind::array;
        ++at_;
        if (take(']')) {
            return true;
        }
        do {
            out.items.emplace_back();
            if (!value(out.items.back())) {
                return false;
            }
        } while (take(','));
        return take(']');
    }

    bool object(JsonValue& out)
    {
        out.kind = JsonValue::Kind::object;
        ++at_;
        if (take('}')) {
            return true;
        }
        do {
            std::string key;
            skipSpace();
            if (at_ >= text_.size() || text_[at_] != '"' || !string(key) || !take(':') || !value(out.members[key])) {
                return false;
            }
        } while (take(','));
        return take('}');
    }

    const std::string& text_;
    size_t at_ = 0;
};

}  // namespace

std::optional<JsonValue> parseJson(const std::string& text)
{
    Reader reader(text);
    JsonValue out;
    if (!reader.value(out) || !reader.atEnd()) {
        return std::nullopt;
    }
    return out;
}

}  // namespace fendwick::test
