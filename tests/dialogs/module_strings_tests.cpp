// The module's string table keeps to the ids that applications are told to leave to it, so that
// none of its texts can be shadowed by, or shadow, one of the application's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kFirstModuleString = 14210;
constexpr UINT kLastModuleString = 14504;

BOOL CALLBACK CollectBlock(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR blocks)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<UINT>*>(blocks)->push_back(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

TEST(ModuleStrings, EveryIdLiesInTheModulesRange)
{
    const HMODULE module = ::GetModuleHandleW(L"KIVD04.dll");
    ASSERT_NE(module, nullptr);
    // A string table resource is a block of sixteen strings; block b holds ids (b - 1) * 16 on.
    std::vector<UINT> blocks;
    ::EnumResourceNamesW(module, RT_STRING, &CollectBlock, reinterpret_cast<LONG_PTR>(&blocks));
    ASSERT_FALSE(blocks.empty());
    std::vector<UINT> outside;
    int strings = 0;
    for (const UINT block : blocks) {
        for (UINT id = (block - 1) * 16; id < block * 16; ++id) {
            const wchar_t* text = nullptr;
            if (::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0) <= 0)
                continue;
            ++strings;
            if (id < kFirstModuleString || id > kLastModuleString)
                outside.push_back(id);
        }
    }
    EXPECT_GT(strings, 0);
    EXPECT_EQ(outside, std::vector<UINT>{});
}

}  // namespace
