#include "files/fields.h"

namespace vx {

bool isFieldSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

std::optional<std::string_view> FieldReader::next() {
    while (pos_ < text_.size() && isFieldSeparator(text_[pos_])) ++pos_;
    if (pos_ == text_.size()) return std::nullopt;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !isFieldSeparator(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

std::vector<std::string_view> splitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    FieldReader reader(text);
    while (auto field = reader.next()) fields.push_back(*field);
    return fields;
}

}  // namespace vx
