#pragma once
#include <optional>
#include <string_view>
#include <vector>

namespace vx {

// Reads the fields of a text file of numbers one at a time.
//
// Blanks, tabs, commas and line ends (CR, LF or CRLF) are all separators, and
// a run of them, in any mix, counts as one separator: "1,,2", "1 , 2" and
// "1\r\n\r\n2" each hold two fields. Separators before the first field and
// after the last are skipped, so there are no empty fields: a trailing empty
// field (as the settings line ends with) simply is not there. Reading stops
// quietly where the text ends.
//
// Every file the game writes separates its numbers with single blanks or
// line ends, so this reads them exactly; collapsing runs also reads files
// padded into columns or edited by hand with extra commas or blank lines.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}
    // The next field, or nothing at the end of the text.
    std::optional<std::string_view> next();

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isFieldSeparator(char c);

// All the fields of a text, as FieldReader reads them.
std::vector<std::string_view> splitFields(std::string_view text);

}  // namespace vx
