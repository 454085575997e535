// Every value the module reads from the settings store, stored in forms the module never writes:
// of another type, empty, huge, not a number, out of range. A form the reader cannot take must read
// as the default (the dialog looks and sends exactly as with nothing stored); an out-of-range value
// of the right type may be used as the dialog's rules say, but no form may crash a dialog, stop the
// driver or put a non-number into a statement.
#include "framework/kivcst/ZenSkin.h"
#include "framework/kivreg/Registry.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <regex>
#include <string>
#include <vector>

namespace {

using kivtest::DialogRun;

enum class Kind { IntDword, IntText, Double, Text };

struct RawValue {
    std::string name;
    DWORD type;
    std::vector<BYTE> bytes;
};

RawValue Bytes(std::string name, DWORD type, const void* data, size_t size)
{
    const auto* begin = static_cast<const BYTE*>(data);
    return {std::move(name), type, std::vector<BYTE>(begin, begin + size)};
}

RawValue Text(std::string name, const std::wstring& text, DWORD type = REG_SZ)
{
    return Bytes(std::move(name), type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

RawValue Dword(std::string name, std::uint32_t value) { return Bytes(std::move(name), REG_DWORD, &value, sizeof value); }

RawValue Qword(std::string name, double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return Bytes(std::move(name), REG_QWORD, &bits, sizeof bits);
}

// Forms that no reader of the kind takes, or takes only as "nothing".
std::vector<RawValue> Unreadable(Kind kind)
{
    const std::vector<BYTE> huge(1 << 20, 0xFF);
    std::vector<RawValue> forms = {
        Bytes("binary", REG_BINARY, "\x01\x02\x03", 3),           Bytes("short dword", REG_DWORD, "\x01\x00", 2),
        Bytes("huge binary", REG_BINARY, huge.data(), huge.size()), Bytes("odd-sized text without its end", REG_SZ, "12\0", 3),
        Text("empty text", L""),                                   Text("multi text", std::wstring(L"1\0002\0", 4), REG_MULTI_SZ),
        Text("expandable text", L"%TEMP%", REG_EXPAND_SZ),         Text("word", L"abc")};
    if (kind == Kind::IntText)
        forms.push_back(Text("number with a tail", L"1abc"));
    else
        forms.push_back(Text("huge text", std::wstring(65536, L'9')));
    if (kind != Kind::IntDword)
        forms.push_back(Dword("dword", 1));
    if (kind != Kind::Double) {
        forms.push_back(Qword("qword", 1.0));
        return forms;
    }
    for (const double odd : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()})
        forms.push_back(Qword(std::to_string(odd), odd));
    forms.push_back(Bytes("short qword", REG_QWORD, "\x01\x02\x03\x04", 4));
    return forms;
}

// Forms of the right type whose value the dialog's own rules must cope with.
std::vector<RawValue> OutOfRange(Kind kind)
{
    switch (kind) {
    case Kind::IntDword:
        return {Dword("seven", 7), Dword("minus one", 0xFFFFFFFFu), Dword("smallest int", 0x80000000u)};
    case Kind::IntText:
        return {Text("seven", L"7"), Text("minus one", L"-1"), Text("twenty digits", L"99999999999999999999")};
    case Kind::Double:
        return {Qword("1e308", 1e308), Qword("-1e308", -1e308), Qword("zero", 0.0), Qword("negative", -5.0),
                Qword("tiny", 1e-300)};
    case Kind::Text:
        return {Text("64 K characters", std::wstring(65536, L'A')),
                Text("a long path", L"\\\\?\\C:\\" + std::wstring(300, L'x') + L"\\y.adf,name"),
                Text("a lone surrogate", L"\xD800,\xDC00"), Text("tabs and quotes", L"a\t\"b\"\r\n,c")};
    }
    return {};
}

struct StoredValue {
    const char* name;
    const wchar_t* section;
    const wchar_t* key;
    Kind kind;
    const wchar_t* dialog;
    std::string state;           // on top of an empty sky; empty: the bundled sky
    const wchar_t* entry;        // a data file entry written first, or nullptr
    std::vector<std::wstring> actions;
    std::vector<int> seen;       // the controls whose state shows the value
    // A value the dialog takes, which must be seen: proof that the row names the section and key
    // the dialog reads. Empty where the controls cannot show the value.
    std::vector<RawValue> readable;
};

// What the user sees of the controls, the look, and what the host hears: compared between runs.
std::wstring Seen(const DialogRun& run, const std::vector<int>& ids)
{
    std::wstring seen = ZenSkin::ReadSystemLook() ? L"system look\n" : L"dark look\n";
    for (const int id : ids) {
        const auto c = run.Control(id);
        seen += std::to_wstring(id) + (c ? L" " + std::to_wstring(c->checked) + L" " + std::to_wstring(c->sel) + L" " + c->text
                                         : L" absent") + L"\n";
        for (const std::wstring& item : c ? c->items : std::vector<std::wstring>{})
            seen += L"  " + item + L"\n";
    }
    for (const std::wstring& statement : run.Statements())
        seen += statement + L"\n";
    return seen;
}

const std::vector<StoredValue>& StoredValues()
{
    const std::vector<std::wstring> okAfterDump = {L"dump", L"ok"};
    const std::vector<std::wstring> addDialog = {L"click 1217", L"dump", L"file cancel", L"cancel"};
    const std::string noSlot = "ADF.#1.File = \"\"\n";
    static const std::vector<StoredValue> values = {
        {"look", L"General", L"ColorScheme", Kind::IntDword, L"CDlgTwilight", "", nullptr, okAfterDump, {},
         {Dword("system look", 1)}},
        {"scale position", L"Dialog\\Grid", L"NumberPos", Kind::IntDword, L"CDlgGrid", "", nullptr, okAfterDump,
         {12101, 12102}, {Dword("screen edge", 1)}},
        {"frame unit", L"Dialog\\Vfield", L"FovUnit", Kind::IntDword, L"CDlgVfield", "", nullptr, okAfterDump, {1634},
         {Dword("minutes", 1)}},
        {"mosaic unit", L"Dialog\\Vmosaic", L"FovUnit", Kind::IntDword, L"CDlgVmosaic", "", nullptr, okAfterDump, {1634},
         {Dword("minutes", 1)}},
        {"mosaic camera", L"Dialog\\Vmosaic", L"Camera", Kind::Text, L"CDlgVmosaic", "", nullptr, okAfterDump,
         {1560, 1124}, {Text("a catalogue camera", L"Canon EOS 70D")}},
        {"telescope", L"Dialog\\Vcircle", L"TelescopeFocalLength", Kind::Double, L"CDlgVcircle", "", nullptr, okAfterDump,
         {1401, 1403, 1405}, {Qword("1000 mm", 1000.0)}},
        {"first data file", L"General\\ADF", L"ADF1", Kind::Text, L"CMiscDlg", noSlot, nullptr, okAfterDump, {1214},
         {Text("an entry", L"C:\\DATA\\X.ADF,X")}},
        {"data file folder", L"Dialog\\Adf", L"AdfDir", Kind::Text, L"CMiscDlg", noSlot, nullptr, addDialog, {1306, 1307}, {}},
        {"delete the file", L"Dialog\\AdfDel", L"DeleteFile", Kind::IntText, L"CMiscDlg", noSlot,
         L"C:\\DATA\\COMETS.ADF,Comets", {L"select 1214 0", L"click 1218", L"dump", L"cancel", L"cancel"}, {1603},
         {Text("yes", L"1")}},
    };
    return values;
}

void Store(const wchar_t* section, const wchar_t* key, const RawValue& value)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, CRegistry::SectionPath(section), 0, nullptr, 0, KEY_SET_VALUE,
                                nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    const LSTATUS status = ::RegSetValueExW(hKey, key, 0, value.type, value.bytes.data(),
                                            static_cast<DWORD>(value.bytes.size()));
    ::RegCloseKey(hKey);
    ASSERT_EQ(status, ERROR_SUCCESS) << value.name;
}

std::wstring SeenWith(const StoredValue& row, const RawValue* value)
{
    kivtest::ClearSettings();
    if (row.entry)
        CRegistry::Write(L"General\\ADF", L"ADF1", row.entry);
    if (value)
        Store(row.section, row.key, *value);
    const DialogRun run = kivtest::Run({row.dialog, row.state, row.state.empty(), {}, row.actions, {}});
    // Sane: the dialog closed by its buttons, the driver did all it was told, at most one message
    // and no statement carrying a number that is none.
    const std::string what = value ? value->name : "nothing stored";
    EXPECT_TRUE(run.result == kivhost::RunResult::Ok || run.result == kivhost::RunResult::Cancel) << what;
    EXPECT_EQ(run.driverFailures, 0) << what;
    EXPECT_LE(run.Messages().size(), 1u) << what;
    static const std::wregex broken(LR"((^|[^A-Za-z])(nan|inf|infinity)([^A-Za-z]|$)|\(null\))", std::regex::icase);
    for (const std::wstring& statement : run.Statements())
        EXPECT_FALSE(std::regex_search(statement, broken)) << what << ": " << testing::PrintToString(statement);
    return Seen(run, row.seen);
}

class SettingsStore : public testing::TestWithParam<StoredValue> {
protected:
    void TearDown() override { kivtest::ClearSettings(); }
};

TEST_P(SettingsStore, UnreadableFormsReadAsTheDefaultAndNoFormBreaksTheDialog)
{
    const StoredValue& row = GetParam();
    const std::wstring fresh = SeenWith(row, nullptr);
    for (const RawValue& value : row.readable)
        EXPECT_NE(SeenWith(row, &value), fresh) << value.name;
    for (const RawValue& value : Unreadable(row.kind))
        EXPECT_EQ(SeenWith(row, &value), fresh) << value.name;
    for (const RawValue& value : OutOfRange(row.kind))
        SeenWith(row, &value);
}

INSTANTIATE_TEST_SUITE_P(EveryValue, SettingsStore, testing::ValuesIn(StoredValues()),
                         [](const testing::TestParamInfo<StoredValue>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
