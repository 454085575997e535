// The module's string table keeps to the ids that applications are told to leave to it, so that
// none of its texts can be shadowed by, or shadow, one of the application's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kFirstModuleString = 14210;
constexpr UINT kLastModuleString = 14504;

TEST(ModuleStrings, EveryIdLiesInTheModulesRange)
{
    const HMODULE module = ::GetModuleHandleW(L"KIVD04.dll");
    ASSERT_NE(module, nullptr);
    std::vector<UINT> outside;
    int strings = 0;
    // String ids are 16 bits wide: every one of them is looked up.
    for (UINT id = 0; id <= 0xFFFF; ++id) {
        const wchar_t* text = nullptr;
        if (::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0) <= 0)
            continue;
        ++strings;
        if (id < kFirstModuleString || id > kLastModuleString)
            outside.push_back(id);
    }
    EXPECT_GT(strings, 0);
    EXPECT_EQ(outside, std::vector<UINT>{});
}

}  // namespace
