#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace marovane::json {

// A small JSON document model for the command-line tool and the scenario sources. Objects keep
// the order in which their keys were added, so printed state reads in a fixed, documented order.
// Strings are UTF-8.
class Value {
public:
    using Array = std::vector<Value>;
    using Object = std::vector<std::pair<std::string, Value>>;

    Value() = default;
    Value(std::nullptr_t) {}
    Value(bool b) : data_(b) {}
    Value(int n) : data_(static_cast<int64_t>(n)) {}
    Value(int64_t n) : data_(n) {}
    Value(double d) : data_(d) {}
    Value(const char* s) : data_(std::string(s)) {}
    Value(std::string s) : data_(std::move(s)) {}
    Value(Array a) : data_(std::move(a)) {}
    Value(Object o) : data_(std::move(o)) {}

    static Value MakeArray() { return Value(Array{}); }
    static Value MakeObject() { return Value(Object{}); }

    bool IsNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool IsBool() const { return std::holds_alternative<bool>(data_); }
    bool IsInteger() const { return std::holds_alternative<int64_t>(data_); }
    bool IsNumber() const { return IsInteger() || std::holds_alternative<double>(data_); }
    bool IsString() const { return std::holds_alternative<std::string>(data_); }
    bool IsArray() const { return std::holds_alternative<Array>(data_); }
    bool IsObject() const { return std::holds_alternative<Object>(data_); }

    bool AsBool() const { return std::get<bool>(data_); }
    int64_t AsInteger() const { return std::get<int64_t>(data_); }
    double AsDouble() const;
    const std::string& AsString() const { return std::get<std::string>(data_); }
    const Array& AsArray() const { return std::get<Array>(data_); }
    Array& AsArray() { return std::get<Array>(data_); }
    const Object& AsObject() const { return std::get<Object>(data_); }

    // Adds or replaces a key of an object.
    Value& Set(const std::string& key, Value value);
    // Appends to an array.
    void Push(Value value) { AsArray().push_back(std::move(value)); }
    // The value of a key of an object, or nullptr when it is absent.
    const Value* Find(std::string_view key) const;

    // Compact when indent is 0; arrays of plain numbers stay on one line either way, so boards
    // print one row a line.
    std::string Dump(int indent = 2) const;

private:
    void DumpTo(std::string& out, int indent, int depth) const;

    std::variant<std::monostate, bool, int64_t, double, std::string, Array, Object> data_;
};

// Parses a whole document; throws marovane::Error naming the line and column of a fault.
Value Parse(std::string_view text);

} // namespace marovane::json
