#pragma once
// Just enough JSON to read the script mode's `dump` lines in tests: objects,
// arrays, strings, numbers and true/false, written without blanks.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vx::test {

class Json {
public:
    enum class Type { Bool, Number, String, Array, Object };

    static Json parse(std::string_view text) {
        std::size_t at = 0;
        Json j = value(text, at);
        if (at != text.size()) throw std::runtime_error("trailing text in JSON");
        return j;
    }

    Type type() const { return type_; }
    bool boolean() const { return as(Type::Bool).number_ != 0; }
    double number() const { return as(Type::Number).number_; }
    int integer() const { return static_cast<int>(number()); }
    const std::string& string() const { return as(Type::String).string_; }
    const std::vector<Json>& array() const { return as(Type::Array).array_; }
    const Json& operator[](const std::string& key) const {
        const auto it = as(Type::Object).object_.find(key);
        return it != object_.end() ? it->second : throw std::runtime_error("no key " + key);
    }
    const Json& operator[](std::size_t i) const { return array().at(i); }
    std::size_t size() const { return type_ == Type::Object ? object_.size() : array().size(); }
    friend bool operator==(const Json&, const Json&) = default;

private:
    const Json& as(Type t) const {
        if (type_ != t) throw std::runtime_error("JSON value of another type");
        return *this;
    }

    static char next(std::string_view s, std::size_t& at) {
        if (at >= s.size()) throw std::runtime_error("JSON ends early");
        return s[at++];
    }

    static Json value(std::string_view s, std::size_t& at) {
        Json j;
        const char c = next(s, at);
        if (c == '{' || c == '[') {
            j.type_ = c == '{' ? Type::Object : Type::Array;
            const char close = c == '{' ? '}' : ']';
            if (at < s.size() && s[at] == close) return ++at, j;
            char separator = ',';
            while (separator == ',') {
                if (j.type_ == Type::Array) {
                    j.array_.push_back(value(s, at));
                } else {
                    std::string key = value(s, at).string();
                    if (next(s, at) != ':') throw std::runtime_error("expected :");
                    j.object_.emplace(std::move(key), value(s, at));
                }
                separator = next(s, at);
            }
            if (separator != close) throw std::runtime_error("expected , or a closing bracket");
        } else if (c == '"') {
            j.type_ = Type::String;
            for (char ch; (ch = next(s, at)) != '"'; j.string_ += ch) {
                if (ch != '\\') continue;
                const char e = next(s, at);
                ch = e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
                if (e == 'u') ch = static_cast<char>(std::stoi(std::string(s.substr(at, 4)), nullptr, 16)), at += 4;
            }
        } else if (s.substr(at - 1, 4) == "true" || s.substr(at - 1, 5) == "false") {
            j.type_ = Type::Bool;
            j.number_ = c == 't';
            at += c == 't' ? 3 : 4;
        } else {
            std::size_t used = 0;
            j.type_ = Type::Number;
            j.number_ = std::stod(std::string(s.substr(at - 1, 32)), &used);
            at += used - 1;
        }
        return j;
    }

    Type type_ = Type::Number;
    double number_ = 0;
    std::string string_;
    std::vector<Json> array_;
    std::map<std::string, Json> object_;
};

}  // namespace vx::test
