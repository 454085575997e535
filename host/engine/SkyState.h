// The sky as the script engine keeps it: a dictionary of ordinary settings plus the collections
// (satellites, meteor swarms, spacecraft, additional-data-file slots) whose items the key paths
// address by position, number or name. Changes are made inside a transaction so that a command
// whose later part fails can be taken back as a whole.
//
// In a state file, collection items are made with the same "New" host command that a script
// uses ("New ArtificialSatellite.25544", "New Meteor.Swarm.Perseids", "New Solar.Spacecraft.#1"),
// each followed by its fields as ordinary statements; the ADF slots always exist.
#pragma once

#include "host/engine/Command.h"
#include "host/engine/Value.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace kiv::engine {

// One setting: its value, its default if a "default " statement gave one, and the key path
// spelled as it was first seen (paths match without regard to case, but are shown as written).
struct Slot {
    std::string spelling;
    Value value;
    std::optional<Value> fallback;

    bool operator==(const Slot&) const = default;
};

// Settings by folded key path; ordered, so that saving is deterministic.
using SlotMap = std::map<std::string, Slot, std::less<>>;

struct Satellite {
    std::int64_t number = 0;
    SlotMap fields;
    bool operator==(const Satellite&) const = default;
};

struct Swarm {
    std::string englishName;
    SlotMap fields;
    bool operator==(const Swarm&) const = default;
};

enum class Collection { Satellite, Swarm, Spacecraft, AdfSlot };

// What a key path names in the current state.
struct Target {
    enum class Kind {
        Ordinary,  // a dictionary setting; key is its canonical folded path
        Count,     // a collection's item count (read-only)
        Item,      // an item of a collection; field is the rest of the path as spelled (may be empty)
        Missing,   // an item that does not exist
    };
    Kind kind = Kind::Ordinary;
    Collection collection = Collection::Satellite;
    std::size_t index = 0;
    std::string_view field;
    std::string key;
};

class SkyState {
public:
    SkyState() = default;
    SkyState(const SkyState&) = delete;
    SkyState& operator=(const SkyState&) = delete;

    // The answer to "? key": the value, or "" when nothing is stored under it.
    std::string Query(std::string_view key) const;

    // Each returns false and says why when the operation is refused; the state is then unchanged.
    bool Assign(const Assignment& assignment, std::string& reason);
    bool Create(std::string_view path, std::string& reason);
    void ClearAdf(int slot);

    // Every change between Begin and Commit is taken back by Rollback.
    void Begin();
    void Commit();
    void Rollback();

    // The state as statements that rebuild it in an empty state (see the .cpp for the layout).
    std::string Save() const;
    bool operator==(const SkyState& other) const;

private:
    struct RestoreSlot {
        SlotMap* map;
        std::string key;
        std::optional<Slot> previous;
    };
    struct RemoveLastItem {
        Collection collection;
    };
    struct RestoreAdf {
        int slot;
        SlotMap previous;
    };
    using UndoStep = std::variant<RestoreSlot, RemoveLastItem, RestoreAdf>;

    Target Resolve(std::string_view key) const;
    Target ResolveSwarm(std::string_view key, std::string_view folded) const;
    const SlotMap& FieldsOf(Collection collection, std::size_t index) const;
    SlotMap& FieldsOf(Collection collection, std::size_t index);
    std::optional<std::string> DerivedField(const Target& target, std::string_view foldedField) const;
    void SetSlot(SlotMap& map, std::string folded, std::string_view spelling, const Value& value, bool isDefault);
    void AddSwarmName(const std::string& folded, std::size_t index);
    void RemoveSwarmName(const std::string& folded);
    void Undo(UndoStep& step);

    SlotMap m_settings;
    std::deque<Satellite> m_satellites;
    std::unordered_map<std::int64_t, std::size_t> m_satelliteByNumber;
    std::deque<Swarm> m_swarms;
    std::map<std::string, std::size_t, std::less<>> m_swarmByName;  // by folded English name
    std::map<std::size_t, int, std::greater<>> m_swarmNameLengths;  // length -> how many names
    std::deque<SlotMap> m_spacecraft;
    std::array<SlotMap, kAdfSlotCount> m_adf;

    bool m_inTransaction = false;
    std::vector<UndoStep> m_undo;
};

}  // namespace kiv::engine
