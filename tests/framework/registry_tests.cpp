// The settings store: what is written reads back exactly, and anything else reads as the default.
#include "framework/kivreg/Registry.h"
#include "tests/support/DialogHarness.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

namespace {

const wchar_t kSection[] = L"Dialog\\Test";

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { kivtest::ClearSettings(); }
    void TearDown() override { kivtest::ClearSettings(); }
};

// Integers in either stored form (which form each flag stores shows in RegistryForms), doubles bit
// for bit (NaN and -0.0 included), and texts beyond the BMP or longer than a first guess of a buffer.
TEST_F(RegistryTest, WhatIsWrittenReadsBackExactly)
{
    for (int flag : {0, 1}) {
        for (int value : {0, -1, 42, INT_MAX, INT_MIN}) {
            ASSERT_TRUE(CRegistry::Write(kSection, L"Number", value, flag));
            int read = 12345;
            EXPECT_TRUE(CRegistry::Read(kSection, L"Number", -7, &read, flag));
            EXPECT_EQ(read, value) << "flag " << flag;
        }
    }
    for (double value : {0.1, -0.0, 1e300, 4.9406564584124654e-324, 1.0 / 3.0, double(NAN)}) {
        ASSERT_TRUE(CRegistry::Write(kSection, L"Real", value));
        double read = 99.0;
        EXPECT_TRUE(CRegistry::Read(kSection, L"Real", 5.0, &read));
        EXPECT_EQ(std::memcmp(&read, &value, sizeof value), 0) << value;
    }
    for (const std::wstring& value : {std::wstring(), std::wstring(L"C:\\Program Files\\キヴェナー\\LndPic\\"),
                                      std::wstring(L"\U0001F320 \U00029E3D"), std::wstring(5000, L'星') + L"end"}) {
        ASSERT_TRUE(CRegistry::Write(kSection, L"Text", value.c_str()));
        CString read(L"stale");
        EXPECT_TRUE(CRegistry::Read(kSection, L"Text", L"default", read));
        EXPECT_EQ(read.str(), value);
    }
}

TEST_F(RegistryTest, SectionsAreKeysUnderTheApplicationKey)
{
    ASSERT_TRUE(CRegistry::Write(L"General\\ADF", L"ADF0", L"C:\\data\\comets.txt"));
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Calvane\\KivenarLite\\1.0\\General\\ADF", L"ADF0",
                             RRF_RT_REG_SZ, nullptr, text, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, L"C:\\data\\comets.txt");
}

// What each reader finds when the value is missing or was stored in some form.
struct StoredForm {
    const char* name;
    void (*store)();
    bool intFlag1;  // the readers that find a value; the others yield their default
    bool intFlag0;
    bool real;
    const wchar_t* text;  // what the string reader finds, or nullptr
};

class RegistryForms : public RegistryTest, public testing::WithParamInterface<StoredForm> {};

TEST_P(RegistryForms, AReadOfAnotherFormGivesTheDefaultAndFails)
{
    const StoredForm& form = GetParam();
    form.store();

    int number = 0;
    EXPECT_EQ(CRegistry::Read(kSection, L"Value", -5, &number, 1) != FALSE, form.intFlag1);
    EXPECT_EQ(number, form.intFlag1 ? 12 : -5);
    EXPECT_EQ(CRegistry::Read(kSection, L"Value", -5, &number, 0) != FALSE, form.intFlag0);
    EXPECT_EQ(number, form.intFlag0 ? 12 : -5);
    double real = 0;
    EXPECT_EQ(CRegistry::Read(kSection, L"Value", -5.5, &real) != FALSE, form.real);
    EXPECT_EQ(real, form.real ? 12.0 : -5.5);
    CString text(L"stale");
    EXPECT_EQ(CRegistry::Read(kSection, L"Value", L"default", text) != FALSE, form.text != nullptr);
    EXPECT_EQ(text, form.text ? form.text : L"default");
}

INSTANTIATE_TEST_SUITE_P(
    Stored, RegistryForms,
    testing::Values(
        StoredForm{"TextWithTail", [] { CRegistry::Write(kSection, L"Value", L"12abc"); }, false, false, false, L"12abc"},
        StoredForm{"IntegerFlag1", [] { CRegistry::Write(kSection, L"Value", 12, 1); }, true, false, false, nullptr},
        StoredForm{"IntegerFlag0", [] { CRegistry::Write(kSection, L"Value", 12, 0); }, false, true, false, L"12"},
        StoredForm{"Double", [] { CRegistry::Write(kSection, L"Value", 12.0); }, false, false, true, nullptr},
        StoredForm{"Missing", [] {}, false, false, false, nullptr},
        StoredForm{"OnlyAnotherKey", [] { CRegistry::Write(kSection, L"Other", 12, 1); }, false, false, false, nullptr}),
    [](const testing::TestParamInfo<StoredForm>& info) { return info.param.name; });

}  // namespace
