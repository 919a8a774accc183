#pragma once

#include <cstdint>

namespace lumbrix {

// A model that the front end redraws when its revision count moves: every change of a
// visible property counts once.
class Revisioned {
  public:
    std::uint64_t revision() const { return revision_; }

  protected:
    void touch() { ++revision_; }

    // Sets `field` to `value`; counts a change only when they differ. True when changed.
    template <class T, class U>
    bool change(T& field, const U& value) {
        if (field == value) return false;
        field = value;
        touch();
        return true;
    }

  private:
    std::uint64_t revision_ = 1;
};

}  // namespace lumbrix
