#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/vb_error.h"

namespace lumbrix {

class Form;

// A control array: `count` controls of one kind sharing a name, told apart by index
// (picsyda(0) .. picsyda(7)). An index outside the array raises error 340.
template <class T>
class ControlArray {
  public:
    ControlArray(Form& form, const std::string& name, int count) {
        items_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            items_.push_back(std::make_unique<T>(form, name, i));
    }

    int count() const { return static_cast<int>(items_.size()); }
    T& operator[](int i) const {
        if (i < 0 || i >= count()) {
            throw VbError(vberr::kControlArrayElementMissing,
                          "Control array element '" + std::to_string(i) + "' doesn't exist");
        }
        return *items_[static_cast<std::size_t>(i)];
    }

    auto begin() const { return Iterator{items_.begin()}; }
    auto end() const { return Iterator{items_.end()}; }

  private:
    using Items = std::vector<std::unique_ptr<T>>;
    struct Iterator {
        typename Items::const_iterator it;
        T& operator*() const { return **it; }
        Iterator& operator++() {
            ++it;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return it != o.it; }
    };

    Items items_;
};

}  // namespace lumbrix
