#include "support/script_run.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "shell/game.h"
#include "shell/handlers.h"
#include "support/test_glyphs.h"
#include "ui/headless/script_platform.h"

namespace vx::test {

namespace {

// The program's own options, as the tests pass them: --clock S, --client WxH.
ScriptOptions optionsOf(const std::vector<std::string>& args) {
    ScriptOptions o;
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
        const std::string& v = args[i + 1];
        if (args[i] == "--clock") {
            o.clock = std::stod(v);
        } else {  // --client WxH
            const std::size_t x = v.find('x');
            o.width = std::stoi(v.substr(0, x));
            o.height = std::stoi(v.substr(x + 1));
        }
    }
    return o;
}

// The working directory for the time of one run.
class InFolder {
public:
    explicit InFolder(const std::filesystem::path& p) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(p);
    }
    ~InFolder() { std::filesystem::current_path(old_); }

private:
    std::filesystem::path old_;
};

}  // namespace

std::uint64_t fnv1a(std::string_view bytes, std::uint64_t h) {
    for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    return h;
}

std::vector<Json> ScriptResult::dumps() const {
    std::vector<Json> out;
    for (const std::string& line : lines)
        if (!line.empty() && line.front() == '{') out.push_back(Json::parse(line));
    return out;
}

Json ScriptResult::lastDump() const {
    const std::vector<Json> all = dumps();
    if (all.empty()) throw std::runtime_error("the script printed no dump; errors: " + errors);
    return all.back();
}

ScriptFolder::ScriptFolder(const std::string& settings) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vexel-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a test folder");
    path_ = tmpl;
    if (!settings.empty()) write("vexelcz.settings", settings);
}

ScriptFolder::~ScriptFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
}

void ScriptFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string ScriptFolder::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

ScriptResult ScriptFolder::run(const std::string& script, std::vector<std::string> args) const {
    return run(script, std::move(args), testGlyphs());
}

ScriptResult ScriptFolder::run(const std::string& script, std::vector<std::string> args, GlyphSource& glyphs) const {
    const InFolder here(path_);
    std::istringstream in(script);
    std::ostringstream out, err;
    ScriptPlatform platform(in, out, err, glyphs, optionsOf(args));
    Game game(platform);
    Form_Activate(game);
    ScriptResult r{platform.exitStatus(),
                   {},
                   err.str(),
                   fnv1a({reinterpret_cast<const char*>(game.surface.data()),
                          static_cast<std::size_t>(game.surface.width() * game.surface.height())})};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) r.lines.push_back(line);
    return r;
}

}  // namespace vx::test
