#include "support/script_run.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace vx::test {

namespace {

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

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

ScriptFolder::ScriptFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vexel-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a test folder");
    path_ = tmpl;
}

ScriptFolder::~ScriptFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
}

void ScriptFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out << bytes;
}

std::string ScriptFolder::read(const std::string& name) const { return slurp(path_ / name); }

ScriptResult ScriptFolder::run(const std::string& script, std::vector<std::string> args) const {
    write("script.txt", script);
    std::string command = "cd " + quoted(path_.string()) + " && QT_QPA_PLATFORM=offscreen " + quoted(VEXELCUBE_PATH) +
                          " --script script.txt";
    for (const std::string& a : args) command += " " + quoted(a);
    command += " > out.txt 2> err.txt";
    ScriptResult r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::istringstream out(slurp(path_ / "out.txt"));
    for (std::string line; std::getline(out, line);) r.lines.push_back(line);
    r.errors = slurp(path_ / "err.txt");
    return r;
}

}  // namespace vx::test
