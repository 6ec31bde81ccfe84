#include "util/Json.h"

#include "util/Error.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace marovane::json {

double Value::AsDouble() const {
    if (IsInteger())
        return static_cast<double>(AsInteger());
    return std::get<double>(data_);
}

Value& Value::Set(const std::string& key, Value value) {
    auto& object = std::get<Object>(data_);
    for (auto& [k, v] : object) {
        if (k == key) {
            v = std::move(value);
            return v;
        }
    }
    object.emplace_back(key, std::move(value));
    return object.back().second;
}

const Value* Value::Find(std::string_view key) const {
    if (!IsObject())
        return nullptr;
    for (const auto& [k, v] : AsObject()) {
        if (k == key)
            return &v;
    }
    return nullptr;
}

namespace {

void DumpString(std::string& out, const std::string& s) {
    out += '"';
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

bool IsFlat(const Value::Array& array) {
    for (const auto& item : array) {
        if (item.IsArray() || item.IsObject())
            return false;
    }
    return true;
}

void NewLine(std::string& out, int indent, int depth) {
    if (indent > 0) {
        out += '\n';
        out.append(static_cast<size_t>(indent * depth), ' ');
    }
}

} // namespace

void Value::DumpTo(std::string& out, int indent, int depth) const {
    if (IsNull()) {
        out += "null";
    } else if (IsBool()) {
        out += AsBool() ? "true" : "false";
    } else if (IsInteger()) {
        out += std::to_string(AsInteger());
    } else if (std::holds_alternative<double>(data_)) {
        double d = std::get<double>(data_);
        if (!std::isfinite(d)) {
            out += "null";
        } else {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.9g", d);
            out += buffer;
        }
    } else if (IsString()) {
        DumpString(out, AsString());
    } else if (IsArray()) {
        const auto& array = AsArray();
        bool flat = IsFlat(array);
        out += '[';
        for (size_t i = 0; i < array.size(); ++i) {
            if (i > 0)
                out += flat && indent > 0 ? ", " : ",";
            if (!flat)
                NewLine(out, indent, depth + 1);
            array[i].DumpTo(out, indent, depth + 1);
        }
        if (!flat && !array.empty())
            NewLine(out, indent, depth);
        out += ']';
    } else {
        const auto& object = AsObject();
        out += '{';
        for (size_t i = 0; i < object.size(); ++i) {
            if (i > 0)
                out += ',';
            NewLine(out, indent, depth + 1);
            DumpString(out, object[i].first);
            out += indent > 0 ? ": " : ":";
            object[i].second.DumpTo(out, indent, depth + 1);
        }
        if (!object.empty())
            NewLine(out, indent, depth);
        out += '}';
    }
}

std::string Value::Dump(int indent) const {
    std::string out;
    DumpTo(out, indent, 0);
    return out;
}

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Value ParseDocument() {
        Value value = ParseValue(0);
        SkipBlanks();
        if (pos_ != text_.size())
            Fail("unexpected text after the end of the document");
        return value;
    }

private:
    static constexpr int kMaxDepth = 64;

    [[noreturn]] void Fail(const std::string& what) const {
        int line = 1;
        int column = 1;
        for (size_t i = 0; i < pos_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        throw Error("JSON error at line " + std::to_string(line) + ", column " +
                    std::to_string(column) + ": " + what + ".");
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                       text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool Consume(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void Expect(char c) {
        if (!Consume(c))
            Fail(std::string("expected '") + c + "'");
    }

    bool ConsumeWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) == word) {
            pos_ += word.size();
            return true;
        }
        return false;
    }

    Value ParseValue(int depth) {
        if (depth > kMaxDepth)
            Fail("nesting too deep");
        SkipBlanks();
        if (pos_ >= text_.size())
            Fail("unexpected end of the document");
        char c = text_[pos_];
        if (c == '{')
            return ParseObject(depth);
        if (c == '[')
            return ParseArray(depth);
        if (c == '"')
            return Value(ParseString());
        if (ConsumeWord("true"))
            return Value(true);
        if (ConsumeWord("false"))
            return Value(false);
        if (ConsumeWord("null"))
            return Value();
        if (c == '-' || (c >= '0' && c <= '9'))
            return ParseNumber();
        Fail("unexpected character");
    }

    Value ParseObject(int depth) {
        Expect('{');
        Value object = Value::MakeObject();
        if (Consume('}'))
            return object;
        do {
            SkipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != '"')
                Fail("expected a key in quotes");
            std::string key = ParseString();
            Expect(':');
            if (object.Find(key))
                Fail("the key \"" + key + "\" appears twice");
            object.Set(key, ParseValue(depth + 1));
        } while (Consume(','));
        Expect('}');
        return object;
    }

    Value ParseArray(int depth) {
        Expect('[');
        Value array = Value::MakeArray();
        if (Consume(']'))
            return array;
        do {
            array.Push(ParseValue(depth + 1));
        } while (Consume(','));
        Expect(']');
        return array;
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string ParseString() {
        ++pos_; // opening quote
        std::string out;
        while (true) {
            if (pos_ >= text_.size())
                Fail("a text ends without its closing quote");
            char c = text_[pos_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("a control character inside a text");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size())
                Fail("a text ends inside an escape");
            char e = text_[pos_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                if (pos_ + 4 > text_.size())
                    Fail("a \\u escape needs four hex digits");
                unsigned code = 0;
                auto result =
                    std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
                if (result.ptr != text_.data() + pos_ + 4)
                    Fail("a \\u escape needs four hex digits");
                pos_ += 4;
                AppendUtf8(out, code);
                break;
            }
            default:
                Fail("unknown escape in a text");
            }
        }
    }

    Value ParseNumber() {
        size_t start = pos_;
        if (text_[pos_] == '-')
            ++pos_;
        bool isInteger = true;
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c >= '0' && c <= '9') {
                ++pos_;
            } else if (c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-') {
                isInteger = false;
                ++pos_;
            } else {
                break;
            }
        }
        std::string_view number = text_.substr(start, pos_ - start);
        if (isInteger) {
            int64_t n = 0;
            auto result = std::from_chars(number.data(), number.data() + number.size(), n);
            if (result.ec != std::errc() || result.ptr != number.data() + number.size())
                Fail("a number out of range");
            return Value(n);
        }
        std::string copy(number);
        char* end = nullptr;
        double d = std::strtod(copy.c_str(), &end);
        if (end != copy.c_str() + copy.size())
            Fail("a malformed number");
        return Value(d);
    }

    std::string_view text_;
    size_t pos_ = 0;
};

} // namespace

Value Parse(std::string_view text) {
    return Parser(text).ParseDocument();
}

} // namespace marovane::json
