#include "host/engine/SkyState.h"

#include "host/engine/Text.h"

#include <utility>

namespace kiv::engine {
namespace {

constexpr std::string_view kSatellitePrefix = "artificialsatellite.";
constexpr std::string_view kSwarmPrefix = "meteor.swarm.";
constexpr std::string_view kSpacecraftPrefix = "solar.spacecraft.#";
constexpr std::string_view kAdfPrefix = "adf.#";
// The coordinate-lines dialog reads the grid interval under this name and writes it under the
// grid of date, so both name one setting.
constexpr std::string_view kGridAlias = "coordinatesline.equatorialgrid";
constexpr std::string_view kGridAliasTarget = "coordinatesline.equatorialdategrid";

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// "No" and a 1-based position, in any letter case.
bool IsPositionSegment(std::string_view segment)
{
    return segment.size() > 2 && StartsWithNoCase(segment, "no") && AllDigits(segment.substr(2));
}

// The segment of `folded` that starts at `offset` and the index just past it.
std::size_t SegmentEnd(std::string_view folded, std::size_t offset)
{
    const std::size_t dot = folded.find('.', offset);
    return dot == std::string_view::npos ? folded.size() : dot;
}

Target ItemTarget(Collection collection, std::size_t index, std::string_view key, std::size_t segmentEnd)
{
    Target target;
    target.kind = Target::Kind::Item;
    target.collection = collection;
    target.index = index;
    if (segmentEnd < key.size())
        target.field = key.substr(segmentEnd + 1);
    return target;
}

Target KindOnly(Target::Kind kind, Collection collection = Collection::Satellite)
{
    Target target;
    target.kind = kind;
    target.collection = collection;
    return target;
}

// A 1-based number within 1..count, or nothing.
std::optional<std::size_t> IndexOf(std::string_view digits, std::size_t count)
{
    const auto number = ParseCount(digits);
    if (!number || *number < 1 || static_cast<std::uint64_t>(*number) > count)
        return std::nullopt;
    return static_cast<std::size_t>(*number - 1);
}

void WriteSlot(std::string& out, std::string_view prefix, const Slot& slot)
{
    if (slot.fallback) {
        out += "default ";
        out += prefix;
        out += slot.spelling;
        out += " = ";
        out += slot.fallback->Literal();
        out += '\n';
    }
    if (!slot.fallback || !(slot.value == *slot.fallback)) {
        out += prefix;
        out += slot.spelling;
        out += " = ";
        out += slot.value.Literal();
        out += '\n';
    }
}

void WriteFields(std::string& out, const std::string& prefix, const SlotMap& fields)
{
    for (const auto& entry : fields)
        WriteSlot(out, prefix, entry.second);
}

}  // namespace

Target SkyState::Resolve(std::string_view key) const
{
    const std::string folded = Fold(key);
    if (folded == "artificialsatellite.count")
        return KindOnly(Target::Kind::Count, Collection::Satellite);
    if (folded == "meteor.swarm.count")
        return KindOnly(Target::Kind::Count, Collection::Swarm);
    if (folded == "solar.spacecraft.count")
        return KindOnly(Target::Kind::Count, Collection::Spacecraft);

    if (StartsWith(folded, kSatellitePrefix)) {
        const std::size_t begin = kSatellitePrefix.size();
        const std::size_t end = SegmentEnd(folded, begin);
        const std::string_view segment = std::string_view(folded).substr(begin, end - begin);
        if (AllDigits(segment)) {
            const auto number = ParseCount(segment);
            const auto found = number ? m_satelliteByNumber.find(*number) : m_satelliteByNumber.end();
            if (found == m_satelliteByNumber.end())
                return KindOnly(Target::Kind::Missing);
            return ItemTarget(Collection::Satellite, found->second, key, end);
        }
        if (IsPositionSegment(segment)) {
            const auto index = IndexOf(segment.substr(2), m_satellites.size());
            if (!index)
                return KindOnly(Target::Kind::Missing);
            return ItemTarget(Collection::Satellite, *index, key, end);
        }
    }
    if (StartsWith(folded, kSwarmPrefix)) {
        Target target = ResolveSwarm(key, folded);
        if (target.kind != Target::Kind::Ordinary)
            return target;
    }
    if (StartsWith(folded, kSpacecraftPrefix)) {
        const std::size_t end = SegmentEnd(folded, kSpacecraftPrefix.size());
        const auto index = IndexOf(std::string_view(folded).substr(kSpacecraftPrefix.size(), end - kSpacecraftPrefix.size()),
                                   m_spacecraft.size());
        if (!index)
            return KindOnly(Target::Kind::Missing);
        return ItemTarget(Collection::Spacecraft, *index, key, end);
    }
    if (StartsWith(folded, kAdfPrefix)) {
        const std::size_t end = SegmentEnd(folded, kAdfPrefix.size());
        const auto index = IndexOf(std::string_view(folded).substr(kAdfPrefix.size(), end - kAdfPrefix.size()),
                                   m_adf.size());
        if (!index)
            return KindOnly(Target::Kind::Missing);
        return ItemTarget(Collection::AdfSlot, *index, key, end);
    }

    Target target = KindOnly(Target::Kind::Ordinary);
    target.key = folded;
    if (StartsWith(folded, kGridAlias) && (folded.size() == kGridAlias.size() || folded[kGridAlias.size()] == '.'))
        target.key.replace(0, kGridAlias.size(), kGridAliasTarget);
    return target;
}

// Swarms are named by position ("No3") or by English name; names may contain dots, so the
// longest name that the path starts with wins. Only the lengths of existing names are tried,
// which keeps the work proportional to the names, not to the length of the path.
Target SkyState::ResolveSwarm(std::string_view key, std::string_view folded) const
{
    const std::size_t begin = kSwarmPrefix.size();
    const std::string_view rest = folded.substr(begin);
    const std::string_view segment = FirstSegment(rest);
    if (IsPositionSegment(segment)) {
        const auto index = IndexOf(segment.substr(2), m_swarms.size());
        if (!index)
            return KindOnly(Target::Kind::Missing);
        return ItemTarget(Collection::Swarm, *index, key, begin + segment.size());
    }
    for (const auto& [length, count] : m_swarmNameLengths) {
        if (length > rest.size() || (length < rest.size() && rest[length] != '.'))
            continue;
        const auto found = m_swarmByName.find(rest.substr(0, length));
        if (found != m_swarmByName.end())
            return ItemTarget(Collection::Swarm, found->second, key, begin + length);
    }
    return KindOnly(Target::Kind::Ordinary);
}

const SlotMap& SkyState::FieldsOf(Collection collection, std::size_t index) const
{
    switch (collection) {
    case Collection::Satellite:
        return m_satellites[index].fields;
    case Collection::Swarm:
        return m_swarms[index].fields;
    case Collection::Spacecraft:
        return m_spacecraft[index];
    case Collection::AdfSlot:
        break;
    }
    return m_adf[index];
}

SlotMap& SkyState::FieldsOf(Collection collection, std::size_t index)
{
    return const_cast<SlotMap&>(std::as_const(*this).FieldsOf(collection, index));
}

// The fields that an item derives from its identity: a satellite's catalogue number and a
// swarm's English name. Nothing when the field is not one of them.
std::optional<std::string> SkyState::DerivedField(const Target& target, std::string_view foldedField) const
{
    if (target.collection == Collection::Satellite && foldedField == "number")
        return FormatInt(m_satellites[target.index].number);
    if (target.collection == Collection::Swarm && foldedField == "englishname")
        return m_swarms[target.index].englishName;
    return std::nullopt;
}

std::string SkyState::Query(std::string_view key) const
{
    const Target target = Resolve(key);
    switch (target.kind) {
    case Target::Kind::Ordinary: {
        const auto found = m_settings.find(target.key);
        return found == m_settings.end() ? std::string() : found->second.value.Answer();
    }
    case Target::Kind::Count: {
        const std::size_t count = target.collection == Collection::Satellite ? m_satellites.size()
                                  : target.collection == Collection::Swarm   ? m_swarms.size()
                                                                             : m_spacecraft.size();
        return FormatInt(static_cast<std::int64_t>(count));
    }
    case Target::Kind::Missing:
        return std::string();
    case Target::Kind::Item:
        break;
    }
    if (target.field.empty())
        return std::string();
    const std::string field = Fold(target.field);
    if (auto derived = DerivedField(target, field))
        return *derived;
    const SlotMap& fields = FieldsOf(target.collection, target.index);
    const auto found = fields.find(field);
    return found == fields.end() ? std::string() : found->second.value.Answer();
}

bool SkyState::Assign(const Assignment& assignment, std::string& reason)
{
    const Target target = Resolve(assignment.key);
    switch (target.kind) {
    case Target::Kind::Ordinary:
        SetSlot(m_settings, target.key, assignment.key, assignment.value, assignment.isDefault);
        return true;
    case Target::Kind::Count:
        reason = "a count is read-only";
        return false;
    case Target::Kind::Missing:
        reason = "the key path names an item that does not exist";
        return false;
    case Target::Kind::Item:
        break;
    }
    if (target.field.empty()) {
        reason = "the key path names an item, not one of its settings";
        return false;
    }
    std::string field = Fold(target.field);
    if (DerivedField(target, field)) {
        reason = "this item setting is read-only";
        return false;
    }
    SetSlot(FieldsOf(target.collection, target.index), std::move(field), target.field, assignment.value,
            assignment.isDefault);
    return true;
}

void SkyState::SetSlot(SlotMap& map, std::string folded, std::string_view spelling, const Value& value,
                       bool isDefault)
{
    auto found = map.find(folded);
    if (m_inTransaction) {
        std::optional<Slot> previous;
        if (found != map.end())
            previous = found->second;
        m_undo.emplace_back(RestoreSlot{&map, folded, std::move(previous)});
    }
    if (found == map.end()) {
        Slot slot{std::string(spelling), value, std::nullopt};
        if (isDefault)
            slot.fallback = value;
        map.emplace(std::move(folded), std::move(slot));
        return;
    }
    found->second.value = value;
    if (isDefault)
        found->second.fallback = value;
}

bool SkyState::Create(std::string_view path, std::string& reason)
{
    const std::string folded = Fold(path);
    if (StartsWith(folded, kSatellitePrefix)) {
        const auto number = ParseCount(std::string_view(folded).substr(kSatellitePrefix.size()));
        if (!number) {
            reason = "a satellite is created by its catalogue number";
            return false;
        }
        if (m_satelliteByNumber.count(*number)) {
            reason = "the satellite exists already";
            return false;
        }
        m_satellites.push_back(Satellite{*number, {}});
        m_satelliteByNumber.emplace(*number, m_satellites.size() - 1);
    } else if (StartsWith(folded, kSwarmPrefix)) {
        const std::string_view name = path.substr(kSwarmPrefix.size());
        const std::string foldedName = folded.substr(kSwarmPrefix.size());
        if (foldedName == "count" || IsPositionSegment(FirstSegment(foldedName))) {
            reason = "a swarm cannot be named Count or No and a number";
            return false;
        }
        if (m_swarmByName.count(foldedName)) {
            reason = "the swarm exists already";
            return false;
        }
        m_swarms.push_back(Swarm{std::string(name), {}});
        AddSwarmName(foldedName, m_swarms.size() - 1);
    } else if (StartsWith(folded, kSpacecraftPrefix)) {
        const auto number = ParseCount(std::string_view(folded).substr(kSpacecraftPrefix.size()));
        if (!number || static_cast<std::uint64_t>(*number) != m_spacecraft.size() + 1) {
            reason = "spacecraft are created in order: the next one is #" +
                     FormatInt(static_cast<std::int64_t>(m_spacecraft.size() + 1));
            return false;
        }
        m_spacecraft.emplace_back();
    } else {
        reason = "New creates ArtificialSatellite.<number>, Meteor.Swarm.<name> or Solar.Spacecraft.#<n>";
        return false;
    }
    if (m_inTransaction) {
        const Collection collection = StartsWith(folded, kSatellitePrefix) ? Collection::Satellite
                                      : StartsWith(folded, kSwarmPrefix)   ? Collection::Swarm
                                                                           : Collection::Spacecraft;
        m_undo.emplace_back(RemoveLastItem{collection});
    }
    return true;
}

void SkyState::ClearAdf(int slot)
{
    SlotMap& fields = m_adf[static_cast<std::size_t>(slot - 1)];
    if (m_inTransaction)
        m_undo.emplace_back(RestoreAdf{slot, std::move(fields)});
    fields.clear();
}

void SkyState::AddSwarmName(const std::string& folded, std::size_t index)
{
    m_swarmByName.emplace(folded, index);
    ++m_swarmNameLengths[folded.size()];
}

void SkyState::RemoveSwarmName(const std::string& folded)
{
    m_swarmByName.erase(folded);
    const auto length = m_swarmNameLengths.find(folded.size());
    if (length != m_swarmNameLengths.end() && --length->second == 0)
        m_swarmNameLengths.erase(length);
}

void SkyState::Begin()
{
    m_undo.clear();
    m_inTransaction = true;
}

void SkyState::Commit()
{
    m_undo.clear();
    m_inTransaction = false;
}

void SkyState::Rollback()
{
    for (auto step = m_undo.rbegin(); step != m_undo.rend(); ++step)
        Undo(*step);
    m_undo.clear();
    m_inTransaction = false;
}

void SkyState::Undo(UndoStep& step)
{
    if (auto* restore = std::get_if<RestoreSlot>(&step)) {
        if (restore->previous)
            (*restore->map)[restore->key] = std::move(*restore->previous);
        else
            restore->map->erase(restore->key);
    } else if (auto* remove = std::get_if<RemoveLastItem>(&step)) {
        switch (remove->collection) {
        case Collection::Satellite:
            m_satelliteByNumber.erase(m_satellites.back().number);
            m_satellites.pop_back();
            break;
        case Collection::Swarm:
            RemoveSwarmName(Fold(m_swarms.back().englishName));
            m_swarms.pop_back();
            break;
        case Collection::Spacecraft:
            m_spacecraft.pop_back();
            break;
        case Collection::AdfSlot:
            break;
        }
    } else if (auto* adf = std::get_if<RestoreAdf>(&step)) {
        m_adf[static_cast<std::size_t>(adf->slot - 1)] = std::move(adf->previous);
    }
}

// Layout: the ordinary settings sorted by key path, then every satellite, swarm and spacecraft
// in collection order, each as its "New" line followed by its fields, then the filled ADF slots.
// Swarm fields are written by position: a name with dots could otherwise be read as a longer
// swarm's name.
std::string SkyState::Save() const
{
    std::string out = "# Sky state of the sample host: execute each line to rebuild it.\n";
    for (const auto& entry : m_settings)
        WriteSlot(out, std::string_view(), entry.second);
    for (const Satellite& satellite : m_satellites) {
        const std::string prefix = "ArtificialSatellite." + FormatInt(satellite.number);
        out += "New " + prefix + '\n';
        WriteFields(out, prefix + '.', satellite.fields);
    }
    for (std::size_t i = 0; i < m_swarms.size(); ++i) {
        out += "New Meteor.Swarm." + m_swarms[i].englishName + '\n';
        WriteFields(out, "Meteor.Swarm.No" + FormatInt(static_cast<std::int64_t>(i + 1)) + '.', m_swarms[i].fields);
    }
    for (std::size_t i = 0; i < m_spacecraft.size(); ++i) {
        const std::string prefix = "Solar.Spacecraft.#" + FormatInt(static_cast<std::int64_t>(i + 1));
        out += "New " + prefix + '\n';
        WriteFields(out, prefix + '.', m_spacecraft[i]);
    }
    for (std::size_t i = 0; i < m_adf.size(); ++i)
        WriteFields(out, "ADF.#" + FormatInt(static_cast<std::int64_t>(i + 1)) + '.', m_adf[i]);
    return out;
}

bool SkyState::operator==(const SkyState& other) const
{
    return m_settings == other.m_settings && m_satellites == other.m_satellites && m_swarms == other.m_swarms &&
           m_spacecraft == other.m_spacecraft && m_adf == other.m_adf;
}

}  // namespace kiv::engine
