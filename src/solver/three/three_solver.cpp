#include "solver/three_solver.h"

namespace vx::solver {

std::optional<std::vector<PhysicalMove>> solveThree(const Cube&, bool, double, Refusal* why, std::string* reason) {
    if (why) *why = Refusal::unsupportedSize;
    if (reason) *reason = "The 3-cube solver is not ready yet.";
    return std::nullopt;
}

}  // namespace vx::solver
