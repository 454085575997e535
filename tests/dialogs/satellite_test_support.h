// Skies of a few satellites for the satellite dialog's tests, written in the state-file form,
// and the dialog's rows and command read back from a run.
#pragma once

#include "framework/kivreg/Registry.h"
#include "tests/support/DialogHarness.h"

#include <string>
#include <utility>
#include <vector>

namespace kivtest::sat {

struct Satellite {
    int number;
    std::string tleName;
    std::string name;
    std::string localName;  // empty: not a major satellite
    std::string type;
    bool visible;
};

struct Display {
    std::string name = "TRUE";
    std::string number = "FALSE";
    std::string inShadow = "FALSE";
    std::string magnitude = "4.0";
};

inline std::string SkyOf(const std::vector<Satellite>& satellites, const Display& display = {})
{
    std::string state;
    state += "ArtificialSatellite.Name.Visible = " + display.name + "\n";
    state += "ArtificialSatellite.Number.Visible = " + display.number + "\n";
    state += "ArtificialSatellite.Visible.InShadow = " + display.inShadow + "\n";
    if (!display.magnitude.empty())
        state += "ArtificialSatellite.Magnitude = " + display.magnitude + "\n";
    for (const Satellite& s : satellites) {
        const std::string key = "ArtificialSatellite." + std::to_string(s.number);
        state += "New " + key + "\n";
        state += key + ".TLEName = \"" + s.tleName + "\"\n";
        state += key + ".Name = \"" + s.name + "\"\n";
        state += key + ".LocalName = \"" + s.localName + "\"\n";
        state += key + ".Type = \"" + s.type + "\"\n";
        state += key + ".Visible = " + (s.visible ? "TRUE" : "FALSE") + "\n";
    }
    return state;
}

// Five satellites in host order; sorted, the station comes first and the rest by name.
inline std::vector<Satellite> FiveSatellites()
{
    return {
        {43013, "NOAA 20", "NOAA 20", "", "気象衛星", true},
        {25544, "ISS (ZARYA)", "ISS (ZARYA)", "国際宇宙ステーション", "宇宙ステーション", true},
        {20580, "HST", "HST", "ハッブル宇宙望遠鏡", "科学衛星", false},
        {27424, "AQUA", "AQUA", "", "地球観測衛星", false},
        {33591, "noaa 19", "noaa 19", "", "気象衛星", false},
    };
}

inline constexpr wchar_t kSection[] = L"Dialog\\ASat";

inline DialogRun RunASat(const std::string& state, std::vector<std::wstring> actions, std::string* after = nullptr)
{
    return Run({L"CDlgASat", state, false, {}, std::move(actions)}, after);
}

// The list's rows of the n-th dump.
inline std::vector<std::wstring> Rows(const DialogRun& run, size_t n = 0)
{
    const auto list = run.Control(1129, n);
    return list ? list->items : std::vector<std::wstring>{};
}

// Column k of a dumped row ("checked=N " and the columns joined by tabs).
inline std::wstring Column(const std::wstring& row, int k)
{
    size_t begin = row.find(L' ') + 1;
    for (int i = 0; i < k; ++i)
        begin = row.find(L'\t', begin) + 1;
    const size_t end = row.find(L'\t', begin);
    return row.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
}

inline bool Checked(const std::wstring& row)
{
    return row.rfind(L"checked=1 ", 0) == 0;
}

// The catalogue number that ends a row's label, "(number)".
inline int RowNumber(const std::wstring& row)
{
    const std::wstring label = Column(row, 1);
    return std::stoi(label.substr(label.rfind(L'(') + 1));
}

inline std::vector<int> RowNumbers(const DialogRun& run, size_t n = 0)
{
    std::vector<int> numbers;
    for (const std::wstring& row : Rows(run, n))
        numbers.push_back(RowNumber(row));
    return numbers;
}

// The statements of the one command that OK sends, split at ";" (the leading empty one left out).
inline std::vector<std::wstring> OkStatements(const DialogRun& run)
{
    std::vector<std::wstring> parts;
    for (const std::wstring& command : run.Statements()) {
        if (command.empty() || command[0] != L';')
            continue;
        size_t begin = 1;
        for (size_t end; (end = command.find(L';', begin)) != std::wstring::npos; begin = end + 1)
            parts.push_back(command.substr(begin, end - begin));
    }
    return parts;
}

}  // namespace kivtest::sat
