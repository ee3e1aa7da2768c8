#include "formula/HostNameList.h"

#include <algorithm>

namespace formula {
namespace {

unsigned char SortKey(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<unsigned char>(byte - 'a' + 'A');
    }
    return byte == '_' ? 1 : byte;
}

bool NameLess(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return SortKey(x) < SortKey(y); });
}

} // namespace

Variant* HostNameList::Find(std::string_view name)
{
    const auto at = std::lower_bound(
        sorted_.begin(), sorted_.end(), name,
        [](const Entry* entry, std::string_view key) { return NameLess(entry->name, key); });
    if (at == sorted_.end() || NameLess(name, (*at)->name)) {
        return nullptr;
    }
    return &(*at)->value;
}

Variant* HostNameList::Add(const std::string& name)
{
    if (Variant* existing = Find(name)) {
        return existing;
    }
    Entry* entry = &entries_.emplace_back(Entry{name, Variant(std::int32_t{0})});
    const auto at =
        std::upper_bound(sorted_.begin(), sorted_.end(), entry,
                         [](const Entry* a, const Entry* b) { return NameLess(a->name, b->name); });
    sorted_.insert(at, entry);
    return &entry->value;
}

void HostNameList::Clear()
{
    sorted_.clear();
    entries_.clear();
}

} // namespace formula
