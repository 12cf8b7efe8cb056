#pragma once

#include <vector>

namespace toolkit {

// Like controls under one name, told apart by index; one handler serves them all.
template <typename T>
class ControlArray {
  public:
    void append(T& control) { items_.push_back(&control); }
    T& operator()(int index) const { return *items_.at(static_cast<std::size_t>(index)); }

  private:
    std::vector<T*> items_;
};

}  // namespace toolkit
