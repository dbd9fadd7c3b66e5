#pragma once
#include <vector>

namespace vx {

// One history entry in absolute form: the axis (1..3) and two coordinates in
// the canonical view of that axis. An entry holds the inverse of the turn made.
struct HistEntry {
    int axis = 0;
    int col = 0;
    int row = 0;
    friend bool operator==(const HistEntry&, const HistEntry&) = default;
};

// True when the entry names a turn on an n-cube: an axis 1..3 and both
// coordinates on the face. Entries read from a file may be anything.
inline bool validEntry(const HistEntry& e, int n) {
    return e.axis >= 1 && e.axis <= 3 && e.col >= 1 && e.col <= n && e.row >= 1 && e.row <= n;
}

// The same layer turned from the other edge (1 and n exchanged).
inline HistEntry inverseEntry(HistEntry e, int n) {
    if (e.axis == 3)
        e.col = n + 1 - e.col;
    else
        e.row = n + 1 - e.row;
    return e;
}

// The move history: entries at indexes 1..histcount, the top at histcount.
// Index 0 never holds a turn and reads as 0. There is no fixed capacity, and
// the storage never shrinks: entries above the top keep their old values, as
// a short puzzle file relies on.
class History {
public:
    int histcount = 0;

    HistEntry& operator[](int i) {
        grow(i);
        return entries_[static_cast<std::size_t>(i)];
    }
    HistEntry at(int i) const {
        return i >= 0 && i < static_cast<int>(entries_.size()) ? entries_[static_cast<std::size_t>(i)] : HistEntry{};
    }
    HistEntry top() const { return at(histcount); }
    void push(const HistEntry& e) {
        // A count from a damaged file is never a reason to write below index 1.
        if (histcount < 0) histcount = 0;
        ++histcount;
        (*this)[histcount] = e;
    }
    void pop() {
        if (histcount > 0) --histcount;
    }
    void clear() { histcount = 0; }

private:
    void grow(int i) {
        if (i >= static_cast<int>(entries_.size())) entries_.resize(static_cast<std::size_t>(i) + 1);
    }
    std::vector<HistEntry> entries_ = std::vector<HistEntry>(1);
};

}  // namespace vx
