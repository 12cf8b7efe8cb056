#pragma once

#include <cassert>
#include <vector>

namespace toolkit {

// Like controls under one name, told apart by index; one handler serves them all. Each control
// is appended with the index it answers to, which must be the next one: an index constant that
// no longer follows the order of creation fails at once instead of naming another control.
template <typename T>
class ControlArray {
  public:
    void append(T& control, int index) {
        assert(index == static_cast<int>(items_.size()) && "control array index out of order");
        (void)index;
        items_.push_back(&control);
    }
    // at() checks the index: a wrong one throws std::out_of_range rather than reading past.
    T& operator()(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(items_.size()); }

  private:
    std::vector<T*> items_;
};

}  // namespace toolkit
