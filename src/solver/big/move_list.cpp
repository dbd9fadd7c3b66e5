#include "solver/big/move_list.h"

#include <iterator>

namespace vx::solver::big {

void MoveList::add(const PhysicalMove& m) {
    const int q = m.quarter > 0 ? 1 : 3;
    for (auto it = steps_.rbegin(); it != steps_.rend() && it->axis == m.axis; ++it) {
        if (it->layer != m.layer) continue;
        it->quarters = (it->quarters + q) % 4;
        if (it->quarters == 0) steps_.erase(std::next(it).base());
        return;
    }
    steps_.push_back({m.axis, m.layer, q});
}

std::vector<PhysicalMove> MoveList::moves() const {
    std::vector<PhysicalMove> out;
    for (const Step& s : steps_) {
        const PhysicalMove m{s.axis, s.layer, s.quarters == 3 ? -1 : 1};
        out.push_back(m);
        if (s.quarters == 2) out.push_back(m);
    }
    return out;
}

int MoveList::length() const {
    int k = 0;
    for (const Step& s : steps_) k += s.quarters == 2 ? 2 : 1;
    return k;
}

MoveList MoveList::lastAxis() const {
    auto first = steps_.end();
    while (first != steps_.begin() && std::prev(first)->axis == steps_.back().axis) --first;
    MoveList tail;
    tail.steps_.assign(first, steps_.end());
    return tail;
}

}  // namespace vx::solver::big
