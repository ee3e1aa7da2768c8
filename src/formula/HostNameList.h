#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "formula/Variant.h"

namespace formula {

// The names a text uses that only the host can answer, each with its value cell. Sorted by
// name with letter case ignored ("_" before digits before letters); a duplicate is not added.
class HostNameList {
public:
    struct Entry {
        std::string name; // as written at its first use
        Variant value;
    };

    Variant* Find(std::string_view name);
    Variant* Add(const std::string& name);
    void Clear();

    // In name order.
    const std::vector<Entry*>& Entries() const { return sorted_; }

private:
    std::deque<Entry> entries_;
    std::vector<Entry*> sorted_;
};

} // namespace formula
