#pragma once
// Key names for menu items. A user item's key is named after its display name, but a display
// name is not always usable as it stands: a backslash would address a nested key, a long name
// would pass the registry's limit, and the name may already belong to another key (a built-in
// item has a fixed English key name whatever it is called on screen). Registry key names are
// compared without regard to case, so these functions do the same.
#include <cstddef>
#include <string>

namespace store {

// Longest key name these functions make, in bytes of the ANSI code page; a variant suffix still
// fits within the registry's 255 characters and the suite's 259-byte buffers.
constexpr std::size_t kMaxMadeKeyNameBytes = 240;
// Variants tried before a name counts as unavailable: as many as a store ever holds.
constexpr unsigned kMaxKeyNameVariants = 10000;

// The key name for an item called `displayName`: the name with every backslash turned into a
// slash and cut to kMaxMadeKeyNameBytes at a character boundary. Empty for an empty name.
std::string KeyNameFor(const char* displayName);
// "<base> (<n>)", the name tried when `base` is taken (n from 2).
std::string KeyNameVariant(const std::string& base, unsigned n);
// Whether two names address the same key (the registry ignores case).
bool SameKeyName(const std::string& a, const std::string& b);
// Whether `key` is `base` or one of its variants.
bool IsKeyNameOrVariant(const std::string& key, const std::string& base);

}  // namespace store
