// The host command channel under Wine: CCorZen::Exec through IDispatch::Invoke into the sample
// host's engine and back, the journal the host keeps of it, and the dispatch contract itself.
#include "channel/CorZen.h"
#include "host/core/HostSession.h"
#include "host/core/Journal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Channel : public testing::Test {
protected:
    kivhost::HostSession m_session;
    CCorZen& Exec() { return *m_session.Channel(); }
    const std::vector<std::wstring>& Journal() { return m_session.GetJournal().Lines(); }
};

TEST_F(Channel, TextValuesComeBackUnchanged)
{
    const std::wstring texts[] = {
        L"",
        L"\U0001F320 shooting star, \U00029E3D",  // surrogate pairs
        std::wstring(L"lone high ") + wchar_t(0xD800) + L" here",
        std::wstring(L"lone low ") + wchar_t(0xDC00),
        std::wstring(1, wchar_t(0xDBFF)) + wchar_t(0xD800),  // two high halves in a row
        std::wstring(1 << 20, L'x'),                         // a megabyte of characters
        std::wstring(1 << 19, L'星') + L"end",
    };
    for (const std::wstring& text : texts) {
        // Compared as a truth, so that a failure does not print a megabyte of text.
        EXPECT_EQ(Exec().Exec((L"Test.Text = \"" + text + L"\"").c_str()), L"OK") << text.size() << " characters";
        EXPECT_TRUE(Exec().Exec(L"? Test.Text").str() == text) << text.size() << " characters";
    }
}

TEST_F(Channel, EachAnswerStartsEmpty)
{
    ASSERT_EQ(Exec().Exec(L"Test.Known = \"value\""), L"OK");
    EXPECT_EQ(Exec().Exec(L"? Test.Known"), L"value");
    EXPECT_EQ(Exec().Exec(L"? Test.Unknown"), L"") << "no answer of an earlier call is left over";
    EXPECT_EQ(Exec().Exec(nullptr), Exec().Exec(L"")) << "a null command is the empty command";
    CCorZen unconnected;
    EXPECT_EQ(unconnected.Exec(L"? Test.Known"), L"") << "a channel without a server answers nothing";
}

// The caller gets the engine's answer, errors included, and the journal shows each command and
// answer on one line; line breaks reach the engine, which refuses them.
TEST_F(Channel, EachCommandAndItsAnswerAreJournalledOnOneLine)
{
    const struct {
        std::wstring command;
        std::wstring commandLine;
        std::wstring answer;  // "ERROR": any error answer
    } rows[] = {
        {L"Test.Name = \"ペルセウス\"", L"> Test.Name = \"ペルセウス\"", L"OK"},
        {L"? Test.Name", L"> ? Test.Name", L"ペルセウス"},
        {L"? Test.Missing", L"> ? Test.Missing", L""},
        {L"", L"> ", L"ERROR"},
        {L"Test.A = 1;\r\nTest.B = 2", L"> Test.A = 1;\\nTest.B = 2", L"ERROR"},
        {L"Test.A = \"x\ny\"", L"> Test.A = \"x\\ny\"", L"ERROR"},
        {L"Test.A = \"x\ry\"", L"> Test.A = \"x\\ry\"", L"ERROR"},
    };
    for (const auto& row : rows) {
        const size_t before = Journal().size();
        const std::wstring answer = Exec().Exec(row.command.c_str()).str();
        EXPECT_EQ(row.answer == L"ERROR" ? answer.substr(0, 5) : answer, row.answer) << testing::PrintToString(row.command);
        ASSERT_EQ(Journal().size(), before + 2);
        EXPECT_EQ(Journal()[before], row.commandLine);
        EXPECT_EQ(Journal()[before + 1], L"< " + answer);
    }
    EXPECT_EQ(Exec().Exec(L"? Test.A"), L"") << "a refused sequence changes nothing";
}

TEST_F(Channel, ExecFormatFormatsThenSends)
{
    ASSERT_EQ(Exec().ExecFormat(L"Test.No%d.Size = %.2f;Test.No%d.Camera = \"%s\";", 3, 2.0, 3, L"キヤノン EOS 6D"), L"OK");
    ASSERT_GE(Journal().size(), 2u);
    EXPECT_EQ(Journal()[Journal().size() - 2], L"> Test.No3.Size = 2.00;Test.No3.Camera = \"キヤノン EOS 6D\";");
    EXPECT_EQ(Exec().Exec(L"? Test.No3.Camera"), L"キヤノン EOS 6D");
}

// ---- the dispatch contract ----

TEST_F(Channel, GetIDsOfNamesKnowsExecOnly)
{
    IDispatch* dispatch = Exec().GetControlDispatch();
    ASSERT_NE(dispatch, nullptr);
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"EXEC"), const_cast<LPOLESTR>(L"Command")};
    DISPID ids[] = {0, 0};
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, ids), S_OK);
    EXPECT_EQ(ids[0], 2) << "the known name gets its id, in any letter case";
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 2, LOCALE_USER_DEFAULT, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN) << "a named argument is unknown";
    names[0] = const_cast<LPOLESTR>(L"Execute");
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], DISPID_UNKNOWN);
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, nullptr, 0, LOCALE_USER_DEFAULT, ids), E_INVALIDARG);
}

// Each call passes arguments of the kinds given: a text "? Test.X", a text "? Test.Y" by
// reference, or the number 42 (VT_I4); other kinds carry no value. A caller may name its
// arguments, pass no parameters at all, or ask for no result (nor exception or argument error).
TEST_F(Channel, InvokeAnswersTheContractsResult)
{
    const WORD method = DISPATCH_METHOD;
    const VARTYPE byReference = VT_BSTR | VT_BYREF;
    enum Form { Plain, Named, NoParameters, NoResult };
    const struct {
        const char* name;
        DISPID id;
        WORD flags;
        std::vector<VARTYPE> arguments;
        Form form;
        HRESULT hr;
        const wchar_t* executed;  // the command the engine received, or nullptr when none
    } rows[] = {
        {"OneText", 2, method, {VT_BSTR}, Plain, S_OK, L"? Test.X"},
        {"MethodOrGet", 2, method | DISPATCH_PROPERTYGET, {VT_BSTR}, Plain, S_OK, L"? Test.X"},
        {"NumberIsCoerced", 2, method, {VT_I4}, Plain, S_OK, L"42"},
        {"TextByReference", 2, method, {byReference}, Plain, S_OK, L"? Test.Y"},
        {"NoResultWanted", 2, method, {VT_BSTR}, NoResult, S_OK, L"? Test.X"},
        {"OtherDispId", 3, method, {VT_BSTR}, Plain, DISP_E_MEMBERNOTFOUND, nullptr},
        {"PropertyGetOnly", 2, DISPATCH_PROPERTYGET, {VT_BSTR}, Plain, DISP_E_MEMBERNOTFOUND, nullptr},
        {"NoArgument", 2, method, {}, Plain, DISP_E_BADPARAMCOUNT, nullptr},
        {"NoParameters", 2, method, {}, NoParameters, DISP_E_BADPARAMCOUNT, nullptr},
        {"TwoArguments", 2, method, {VT_BSTR, VT_BSTR}, Plain, DISP_E_BADPARAMCOUNT, nullptr},
        {"NamedArgument", 2, method, {VT_BSTR}, Named, DISP_E_NONAMEDARGS, nullptr},
        {"NullIsNotText", 2, method, {VT_NULL}, Plain, DISP_E_TYPEMISMATCH, nullptr},
    };
    IDispatch* dispatch = Exec().GetControlDispatch();
    for (const auto& row : rows) {
        BSTR referenced = ::SysAllocString(L"? Test.Y");
        std::vector<VARIANT> arguments(row.arguments.size());
        for (size_t i = 0; i < arguments.size(); ++i) {
            ::VariantInit(&arguments[i]);
            arguments[i].vt = row.arguments[i];
            if (row.arguments[i] == VT_BSTR)
                arguments[i].bstrVal = ::SysAllocString(L"? Test.X");
            else if (row.arguments[i] == byReference)
                arguments[i].pbstrVal = &referenced;
            else if (row.arguments[i] == VT_I4)
                arguments[i].lVal = 42;
        }
        DISPID namedId = 0;
        DISPPARAMS params{arguments.empty() ? nullptr : arguments.data(), row.form == Named ? &namedId : nullptr,
                          static_cast<UINT>(arguments.size()), row.form == Named ? 1u : 0u};
        VARIANT result;
        ::VariantInit(&result);
        EXCEPINFO exception{};
        UINT argError = 99;
        const bool wanted = row.form != NoResult;
        const size_t before = Journal().size();
        EXPECT_EQ(dispatch->Invoke(row.id, IID_NULL, LOCALE_USER_DEFAULT, row.flags,
                                   row.form == NoParameters ? nullptr : &params, wanted ? &result : nullptr,
                                   wanted ? &exception : nullptr, wanted ? &argError : nullptr),
                  row.hr)
            << row.name;
        if (row.hr == DISP_E_TYPEMISMATCH) {
            EXPECT_EQ(argError, 0u) << "the first argument is the bad one";
        }
        if (row.executed) {
            ASSERT_EQ(Journal().size(), before + 2) << row.name;
            EXPECT_EQ(Journal()[before], std::wstring(L"> ") + row.executed) << row.name;
            EXPECT_EQ(result.vt, wanted ? VT_BSTR : VT_EMPTY) << row.name;
        } else {
            EXPECT_EQ(Journal().size(), before) << row.name << ": nothing reached the engine";
        }
        for (VARIANT& argument : arguments)
            ::VariantClear(&argument);  // leaves the text a by-reference argument points to
        ::SysFreeString(referenced);
        ::VariantClear(&result);
    }
}

}  // namespace
