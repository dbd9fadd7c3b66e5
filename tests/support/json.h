#pragma once
// Just enough JSON to read the script mode's `dump` lines in tests.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vx::test {

class Json {
public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    static Json parse(std::string_view text) {
        std::size_t at = 0;
        Json j = parseValue(text, at);
        skipBlanks(text, at);
        if (at != text.size()) throw std::runtime_error("trailing text in JSON");
        return j;
    }

    Type type() const { return type_; }
    bool boolean() const { return expect(Type::Bool).bool_; }
    double number() const { return expect(Type::Number).number_; }
    int integer() const { return static_cast<int>(number()); }
    const std::string& string() const { return expect(Type::String).string_; }
    const std::vector<Json>& array() const { return expect(Type::Array).array_; }
    const std::map<std::string, Json>& object() const { return expect(Type::Object).object_; }

    const Json& operator[](std::string_view key) const {
        const auto& o = object();
        const auto it = o.find(std::string(key));
        if (it == o.end()) throw std::runtime_error("no key " + std::string(key));
        return it->second;
    }
    const Json& operator[](std::size_t i) const { return array().at(i); }
    bool has(std::string_view key) const { return object().count(std::string(key)) != 0; }
    std::size_t size() const { return type_ == Type::Array ? array_.size() : object().size(); }
    friend bool operator==(const Json&, const Json&) = default;

private:
    const Json& expect(Type t) const {
        if (type_ != t) throw std::runtime_error("JSON value of another type");
        return *this;
    }

    static void skipBlanks(std::string_view s, std::size_t& at) {
        while (at < s.size() && (s[at] == ' ' || s[at] == '\n' || s[at] == '\r' || s[at] == '\t')) ++at;
    }

    static Json parseValue(std::string_view s, std::size_t& at) {
        skipBlanks(s, at);
        if (at >= s.size()) throw std::runtime_error("JSON ends early");
        Json j;
        const char c = s[at];
        if (c == '{' || c == '[') {
            const bool object = c == '{';
            const char close = object ? '}' : ']';
            j.type_ = object ? Type::Object : Type::Array;
            skipBlanks(s, ++at);
            if (at < s.size() && s[at] == close) return ++at, j;
            for (;;) {
                if (object) {
                    skipBlanks(s, at);
                    std::string key = parseString(s, at);
                    skipBlanks(s, at);
                    if (at >= s.size() || s[at++] != ':') throw std::runtime_error("expected :");
                    j.object_.emplace(std::move(key), parseValue(s, at));
                } else {
                    j.array_.push_back(parseValue(s, at));
                }
                skipBlanks(s, at);
                if (at < s.size() && s[at] == ',') {
                    ++at;
                    continue;
                }
                if (at < s.size() && s[at] == close) return ++at, j;
                throw std::runtime_error("expected , or a closing bracket");
            }
        }
        if (c == '"') {
            j.type_ = Type::String;
            j.string_ = parseString(s, at);
            return j;
        }
        if (s.substr(at, 4) == "true") return at += 4, j.type_ = Type::Bool, j.bool_ = true, j;
        if (s.substr(at, 5) == "false") return at += 5, j.type_ = Type::Bool, j.bool_ = false, j;
        if (s.substr(at, 4) == "null") return at += 4, j;
        std::size_t end = at;
        while (end < s.size() && std::string_view("+-0123456789.eE").find(s[end]) != std::string_view::npos) ++end;
        if (end == at) throw std::runtime_error("unexpected character in JSON");
        j.type_ = Type::Number;
        j.number_ = std::stod(std::string(s.substr(at, end - at)));
        at = end;
        return j;
    }

    static std::string parseString(std::string_view s, std::size_t& at) {
        if (at >= s.size() || s[at] != '"') throw std::runtime_error("expected a string");
        ++at;
        std::string out;
        while (at < s.size() && s[at] != '"') {
            char c = s[at++];
            if (c == '\\' && at < s.size()) {
                const char e = s[at++];
                switch (e) {
                case 'n': c = '\n'; break;
                case 'r': c = '\r'; break;
                case 't': c = '\t'; break;
                case 'u':
                    c = static_cast<char>(std::stoi(std::string(s.substr(at, 4)), nullptr, 16));
                    at += 4;
                    break;
                default: c = e;
                }
            }
            out += c;
        }
        if (at >= s.size()) throw std::runtime_error("string not closed");
        ++at;
        return out;
    }

    Type type_ = Type::Null;
    bool bool_ = false;
    double number_ = 0;
    std::string string_;
    std::vector<Json> array_;
    std::map<std::string, Json> object_;
};

}  // namespace vx::test
