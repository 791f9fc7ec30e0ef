#pragma once
// Which names an item may not take. The panel finds an item by comparing its label with the
// display names in the store, and a new or renamed user item gets a key named after its display
// name, so a name that another item already has, as display name or as key name, would make the
// panel run the wrong item or set the new one under a key that does not look like its name.
// Names are compared as the registry compares key names: without regard to case.
#include <string>
#include <vector>

#include "MenuItemStore.h"

struct NamedItem {
    std::string keyName;
    std::string name;  // display name under the store's display-name value
};

// Whether `name` clashes with `other`: it equals, ignoring case, the other's display name or key
// name. An empty name of the other item clashes with nothing.
bool NameClashes(const std::string& name, const NamedItem& other);

// Every item of the store except the one under `ownKey` (empty: none) and the items taken off
// the list in this run (they go at OK, and come back only when the run is cancelled, with the
// list as it was). Items that list nowhere count: the panel's search finds them all the same.
std::vector<NamedItem> OtherItems(const CMenuItemStore& store, const std::string& ownKey);

// Whether `name` clashes with any of `items`.
bool NameTaken(const std::string& name, const std::vector<NamedItem>& items);
