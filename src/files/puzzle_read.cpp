#include "cube/cube_size.h"
#include "files/file_io.h"
#include "files/numbers.h"
#include "files/puzzle_file.h"

namespace vx {
namespace {

bool inRange(int v, int low, int high) { return v >= low && v <= high; }

// The colours a square may have: 0 is the background and 7 the outline.
bool squareColour(int v) { return inRange(v, 1, 15) && v != 7; }

std::string rangeText(int low, int high) { return std::to_string(low) + ".." + std::to_string(high); }

// A value as the file writes it, for the player to find it there.
std::string shown(std::string_view field) {
    constexpr std::size_t kLongest = 24;
    if (field.size() <= kLongest) return std::string(field);
    return std::string(field.substr(0, kLongest)) + "...";
}

// Takes the file's values one at a time, counting them, and remembers the
// first fault.
class ValueReader {
public:
    explicit ValueReader(std::string_view text) : fields_(text) {}

    // The next value when it is a number within `ok`; otherwise nothing, and
    // the fault is kept (the file ended, or the value is what `what` says it
    // is not).
    template <class Check>
    std::optional<int> next(const char* what, const std::string& allowed, Check ok) {
        const std::optional<std::string_view> field = fields_.next();
        if (!field) {
            problem_.kind = PuzzleProblem::Kind::CutShort;
            problem_.value = read_;
            return std::nullopt;
        }
        ++read_;
        if (!isNumber(*field)) {
            problem_ = {PuzzleProblem::Kind::NotANumber, read_, {}, {}, {}, 0};
            return std::nullopt;
        }
        const int v = toWhole(leadingNumber(*field));
        if (!ok(v)) {
            problem_ = {PuzzleProblem::Kind::OutOfRange, read_, what, shown(*field), allowed, 0};
            return std::nullopt;
        }
        return v;
    }

    PuzzleRead refused(std::size_t announced) {
        problem_.announced = announced;
        return {std::nullopt, problem_};
    }

private:
    FieldReader fields_;
    std::size_t read_ = 0;
    PuzzleProblem problem_;
};

constexpr std::size_t kHeaderValues = 5;

}  // namespace

PuzzleRead parsePuzzle(std::string_view text) {
    ValueReader values(text);
    PuzzleNumbers p;
    const auto header = [&](const char* what, int low, int high) {
        return values.next(what, rangeText(low, high), [=](int v) { return inRange(v, low, high); });
    };
    const std::optional<int> size = header("the size", kMinCubeSize, kMaxCubeSize);
    if (!size) return values.refused(kHeaderValues);
    const std::optional<int> face = header("the view's front face", 1, 6);
    if (!face) return values.refused(kHeaderValues);
    const std::optional<int> turn = header("the view's turn", 1, 4);
    if (!turn) return values.refused(kHeaderValues);
    const std::optional<int> histcount = header("the history's length", 0, kMaxFileHistory);
    if (!histcount) return values.refused(kHeaderValues);
    const std::optional<int> lastaxis = header("the last turn's axis", 0, 3);
    if (!lastaxis) return values.refused(kHeaderValues);
    p.cubesize = *size;
    p.view = {*face, *turn};
    p.histcount = *histcount;
    p.lastaxis = *lastaxis;

    // Squares and history follow the first line, so its size and length
    // rule them.
    const int n = p.cubesize;
    const std::size_t announced = kHeaderValues + squareNumbers(n) + 3 * static_cast<std::size_t>(p.histcount);
    const std::string coordinates = rangeText(1, n);

    p.squares.reserve(squareNumbers(n));
    while (p.squares.size() < squareNumbers(n)) {
        const char* what = p.squares.size() % 2 == 0 ? "a square's color" : "a square's saved color";
        const std::optional<int> v = values.next(what, "1..6 or 8..15", squareColour);
        if (!v) return values.refused(announced);
        p.squares.push_back(*v);
    }

    p.history.reserve(static_cast<std::size_t>(p.histcount));
    const auto coordinate = [n](int v) { return inRange(v, 1, n); };
    while (p.history.size() < static_cast<std::size_t>(p.histcount)) {
        const std::optional<int> axis =
            values.next("a history entry's axis", "1..3", [](int v) { return inRange(v, 1, 3); });
        if (!axis) return values.refused(announced);
        const std::optional<int> col = values.next("a history entry's column", coordinates, coordinate);
        if (!col) return values.refused(announced);
        const std::optional<int> row = values.next("a history entry's row", coordinates, coordinate);
        if (!row) return values.refused(announced);
        p.history.push_back({*axis, *col, *row});
    }
    return {std::move(p), {}};
}

std::string problemSentence(const PuzzleProblem& problem, std::string_view file) {
    const std::string name(file);
    const std::string value = std::to_string(problem.value);
    switch (problem.kind) {
    case PuzzleProblem::Kind::NotANumber: return name + " is not a puzzle: value " + value + " is not a number.";
    case PuzzleProblem::Kind::OutOfRange:
        return name + " is not a puzzle: value " + value + " (" + problem.what + ") is " + problem.written + ", not " +
               problem.allowed + ".";
    case PuzzleProblem::Kind::CutShort: break;
    }
    if (problem.value == 0) return name + " holds no numbers.";
    if (problem.value < kHeaderValues)
        return name + " is cut short: it ends after " + value + " of the " + std::to_string(kHeaderValues) +
               " values of its first line.";
    return name + " is cut short: it ends after " + value + " of the " + std::to_string(problem.announced) +
           " values it announces.";
}

PuzzleFile readPuzzle(const std::filesystem::path& path) {
    const std::string name = path.string();
    FileText file = readTextFile(path);
    if (!file.ok()) return {std::nullopt, readProblem(file.status, name)};
    PuzzleRead read = parsePuzzle(file.text);
    if (!read.puzzle) return {std::nullopt, problemSentence(read.problem, name)};
    return {std::move(read.puzzle), {}};
}

void applySquares(const PuzzleNumbers& p, Cube& cube) {
    std::size_t i = 0;
    const int n = p.cubesize;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) {
                cube.setSquarecolor(a, b, f, p.squares.at(i++));
                cube.setSquarecopy(a, b, f, p.squares.at(i++));
            }
}

void applyHistory(const PuzzleNumbers& p, History& history) {
    history.histcount = p.histcount;
    int index = p.histcount;
    for (const HistEntry& e : p.history) history[index--] = e;
}

}  // namespace vx
