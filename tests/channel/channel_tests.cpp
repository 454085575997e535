// The host command channel under Wine: CCorZen::Exec through IDispatch::Invoke into the sample
// host's engine and back, the journal the host keeps of it, and the dispatch contract itself.
#include "channel/CorZen.h"
#include "host/core/HostSession.h"
#include "host/core/Journal.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::wstring Quoted(const std::wstring& text)
{
    return L"Test.Text = \"" + text + L"\"";
}

std::string Describe(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text.substr(0, 40))
        out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return out + (text.size() > 40 ? "... (" + std::to_string(text.size()) + " characters)" : "");
}

class Channel : public testing::Test {
protected:
    kivhost::HostSession m_session;
    CCorZen& Exec() { return *m_session.Channel(); }
    const std::vector<std::wstring>& Journal() { return m_session.GetJournal().Lines(); }
};

TEST_F(Channel, TextValuesComeBackUnchanged)
{
    const std::wstring texts[] = {
        L"plain",
        L"",
        L"流星群 ペルセウス座 δ",
        L"\U0001F320 shooting star, \U00029E3D",  // surrogate pairs
        std::wstring(L"lone high ") + wchar_t(0xD800) + L" here",
        std::wstring(L"lone low ") + wchar_t(0xDC00),
        std::wstring(1, wchar_t(0xDBFF)) + wchar_t(0xD800),  // two high halves in a row
        std::wstring(1 << 20, L'x'),                         // a megabyte of characters
        std::wstring(1 << 19, L'星') + L"end",
    };
    for (const std::wstring& text : texts) {
        EXPECT_EQ(Exec().Exec(Quoted(text).c_str()), L"OK") << Describe(text);
        EXPECT_EQ(Exec().Exec(L"? Test.Text").str(), text) << Describe(text);
    }
}

TEST_F(Channel, EachAnswerStartsEmpty)
{
    ASSERT_EQ(Exec().Exec(L"Test.Known = \"value\""), L"OK");
    EXPECT_EQ(Exec().Exec(L"? Test.Known"), L"value");
    EXPECT_EQ(Exec().Exec(L"? Test.Unknown"), L"") << "no answer of an earlier call is left over";
    EXPECT_EQ(Exec().Exec(L"? test.KNOWN"), L"value") << "key paths ignore letter case";
    EXPECT_EQ(Exec().Exec(nullptr), Exec().Exec(L"")) << "a null command is the empty command";
    CCorZen unconnected;
    EXPECT_EQ(unconnected.Exec(L"? Test.Known"), L"") << "a channel without a server answers nothing";
}

TEST_F(Channel, CommandsThatCannotBeReadAnswerAnError)
{
    const wchar_t* commands[] = {L"", L"= 5", L"?", L"Show", L"Test.Text = \"unterminated", L"Test.Text = \"a\r\nb\"",
                                 L"Test.A = 1;\r\nTest.B = 2", L"Foo Bar", L"Test.X = ", L"1 = 2"};
    for (const wchar_t* command : commands) {
        const CString answer = Exec().Exec(command);
        EXPECT_EQ(answer.Left(5), L"ERROR") << Describe(command) << " answered " << Describe(answer.str());
    }
    EXPECT_EQ(Exec().Exec(L"? Test.A"), L"") << "a refused sequence changes nothing";
}

TEST_F(Channel, ExecFormatFormatsThenSends)
{
    const struct {
        std::function<CString(CCorZen&)> send;
        const wchar_t* command;
        const wchar_t* query;
        const wchar_t* value;
    } rows[] = {
        {[](CCorZen& c) { return c.ExecFormat(L"Test.Camera = \"%s\"", L"キヤノン EOS 6D"); },
         L"Test.Camera = \"キヤノン EOS 6D\"", L"? Test.Camera", L"キヤノン EOS 6D"},
        {[](CCorZen& c) { return c.ExecFormat(L"Test.Strength = %.1f", 0.7); }, L"Test.Strength = 0.7",
         L"? Test.Strength", L"0.7"},
        {[](CCorZen& c) { return c.ExecFormat(L"Test.No%d.Size = %.2f;Test.No%d.Visible = %s;", 3, 2.0, 3, L"True"); },
         L"Test.No3.Size = 2.00;Test.No3.Visible = True;", L"? Test.No3.Size", L"2.0"},
        {[](CCorZen& c) { return c.ExecFormat(L"Test.Count = %d", -12); }, L"Test.Count = -12", L"? Test.Count", L"-12"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.send(Exec()), L"OK") << Describe(row.command);
        ASSERT_GE(Journal().size(), 2u);
        EXPECT_EQ(Journal()[Journal().size() - 2], std::wstring(L"> ") + row.command);
        EXPECT_EQ(Exec().Exec(row.query), row.value) << Describe(row.command);
    }
}

TEST_F(Channel, TheJournalRecordsEachCommandAndAnswerOnOneLine)
{
    const struct {
        std::wstring command;
        std::wstring commandLine;
        std::wstring answerLine;  // the whole line, or its start when the answer is an error
    } rows[] = {
        {L"Test.Name = \"ペルセウス\"", L"> Test.Name = \"ペルセウス\"", L"< OK"},
        {L"? Test.Name", L"> ? Test.Name", L"< ペルセウス"},
        {L"? Test.Missing", L"> ? Test.Missing", L"< "},
        {L"Test.A = 1;\r\nTest.B = 2", L"> Test.A = 1;\\nTest.B = 2", L"< ERROR"},
        {L"Test.A = \"x\ny\"", L"> Test.A = \"x\\ny\"", L"< ERROR"},
        {L"Test.A = \"x\ry\"", L"> Test.A = \"x\\ry\"", L"< ERROR"},
    };
    for (const auto& row : rows) {
        const size_t before = Journal().size();
        Exec().Exec(row.command.c_str());
        ASSERT_EQ(Journal().size(), before + 2) << Describe(row.command);
        EXPECT_EQ(Journal()[before], row.commandLine);
        const std::wstring& answer = Journal()[before + 1];
        if (row.answerLine == L"< ERROR") {
            EXPECT_EQ(answer.substr(0, row.answerLine.size()), row.answerLine);
        } else {
            EXPECT_EQ(answer, row.answerLine);
        }
    }
}

// ---- the dispatch contract ----

struct Arguments {
    std::vector<VARIANT> values;  // last argument first, as automation passes them
    std::vector<DISPID> named;
    BSTR referenced = nullptr;  // the text a by-reference argument points to

    Arguments() = default;
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;
    ~Arguments()
    {
        for (VARIANT& value : values)
            ::VariantClear(&value);
        ::SysFreeString(referenced);
    }
    void AddTextByReference(const wchar_t* text)
    {
        referenced = ::SysAllocString(text);
        VARIANT v;
        ::VariantInit(&v);
        v.vt = VT_BSTR | VT_BYREF;
        v.pbstrVal = &referenced;
        values.push_back(v);
    }
    void AddText(const wchar_t* text)
    {
        VARIANT v;
        ::VariantInit(&v);
        v.vt = VT_BSTR;
        v.bstrVal = ::SysAllocString(text);
        values.push_back(v);
    }
    void Add(VARTYPE vt, LONG number = 0)
    {
        VARIANT v;
        ::VariantInit(&v);
        v.vt = vt;
        v.lVal = number;
        values.push_back(v);
    }
    DISPPARAMS Params()
    {
        return DISPPARAMS{values.empty() ? nullptr : values.data(), named.empty() ? nullptr : named.data(),
                          static_cast<UINT>(values.size()), static_cast<UINT>(named.size())};
    }
};

TEST_F(Channel, GetIDsOfNamesKnowsExecOnly)
{
    IDispatch* dispatch = Exec().GetControlDispatch();
    ASSERT_NE(dispatch, nullptr);
    const struct {
        std::vector<const wchar_t*> names;
        HRESULT hr;
        std::vector<DISPID> ids;
    } rows[] = {
        {{L"Exec"}, S_OK, {2}},
        {{L"EXEC"}, S_OK, {2}},
        {{L"Execute"}, DISP_E_UNKNOWNNAME, {DISPID_UNKNOWN}},
        {{L"Exec", L"Command"}, DISP_E_UNKNOWNNAME, {2, DISPID_UNKNOWN}},
    };
    for (const auto& row : rows) {
        std::vector<LPOLESTR> names;
        for (const wchar_t* name : row.names)
            names.push_back(const_cast<LPOLESTR>(name));
        std::vector<DISPID> ids(names.size(), 12345);
        EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names.data(), static_cast<UINT>(names.size()), LOCALE_USER_DEFAULT,
                                          ids.data()),
                  row.hr)
            << Describe(row.names[0]);
        EXPECT_EQ(ids, row.ids) << Describe(row.names[0]);
    }
    DISPID id = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, nullptr, 0, LOCALE_USER_DEFAULT, &id), E_INVALIDARG);
}

struct InvokeCase {
    const char* name;
    DISPID id;
    WORD flags;
    std::function<void(Arguments&)> arguments;
    HRESULT hr;
    const wchar_t* executed;  // the command the engine received, or nullptr when none
};

class ChannelInvoke : public Channel, public testing::WithParamInterface<InvokeCase> {};

TEST_P(ChannelInvoke, AnswersTheContractsResult)
{
    const InvokeCase& c = GetParam();
    IDispatch* dispatch = Exec().GetControlDispatch();
    Arguments arguments;
    c.arguments(arguments);
    DISPPARAMS params = arguments.Params();
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO exception{};
    UINT argError = 99;
    const size_t before = Journal().size();
    EXPECT_EQ(dispatch->Invoke(c.id, IID_NULL, LOCALE_USER_DEFAULT, c.flags, &params, &result, &exception, &argError),
              c.hr);
    if (c.hr == DISP_E_TYPEMISMATCH) {
        EXPECT_EQ(argError, 0u) << "the first argument is the bad one";
    }
    if (c.executed) {
        ASSERT_EQ(Journal().size(), before + 2);
        EXPECT_EQ(Journal()[before], std::wstring(L"> ") + c.executed);
        EXPECT_EQ(result.vt, VT_BSTR);
    } else {
        EXPECT_EQ(Journal().size(), before) << "nothing reached the engine";
    }
    ::VariantClear(&result);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ChannelInvoke,
    testing::Values(
        InvokeCase{"OneText", 2, DISPATCH_METHOD, [](Arguments& a) { a.AddText(L"? Test.X"); }, S_OK, L"? Test.X"},
        InvokeCase{"MethodOrGet", 2, DISPATCH_METHOD | DISPATCH_PROPERTYGET, [](Arguments& a) { a.AddText(L"? Test.X"); },
                   S_OK, L"? Test.X"},
        InvokeCase{"NumberIsCoerced", 2, DISPATCH_METHOD, [](Arguments& a) { a.Add(VT_I4, 42); }, S_OK, L"42"},
        InvokeCase{"TextByReference", 2, DISPATCH_METHOD,
                   [](Arguments& a) { a.AddTextByReference(L"? Test.Y"); },
                   S_OK, L"? Test.Y"},
        InvokeCase{"OtherDispId", 3, DISPATCH_METHOD, [](Arguments& a) { a.AddText(L"? Test.X"); }, DISP_E_MEMBERNOTFOUND,
                   nullptr},
        InvokeCase{"PropertyGetOnly", 2, DISPATCH_PROPERTYGET, [](Arguments& a) { a.AddText(L"? Test.X"); },
                   DISP_E_MEMBERNOTFOUND, nullptr},
        InvokeCase{"NoArgument", 2, DISPATCH_METHOD, [](Arguments&) {}, DISP_E_BADPARAMCOUNT, nullptr},
        InvokeCase{"TwoArguments", 2, DISPATCH_METHOD,
                   [](Arguments& a) {
                       a.AddText(L"? Test.X");
                       a.AddText(L"? Test.Y");
                   },
                   DISP_E_BADPARAMCOUNT, nullptr},
        InvokeCase{"NamedArgument", 2, DISPATCH_METHOD,
                   [](Arguments& a) {
                       a.AddText(L"? Test.X");
                       a.named.push_back(0);
                   },
                   DISP_E_NONAMEDARGS, nullptr},
        InvokeCase{"NullIsNotText", 2, DISPATCH_METHOD, [](Arguments& a) { a.Add(VT_NULL); }, DISP_E_TYPEMISMATCH, nullptr}),
    [](const testing::TestParamInfo<InvokeCase>& info) { return info.param.name; });

TEST_F(Channel, InvokeWithoutResultOrParametersStaysSafe)
{
    IDispatch* dispatch = Exec().GetControlDispatch();
    Arguments arguments;
    arguments.AddText(L"Test.Silent = TRUE");
    DISPPARAMS params = arguments.Params();
    EXPECT_EQ(dispatch->Invoke(2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Exec().Exec(L"? Test.Silent"), L"TRUE") << "a caller that ignores the answer still sends the command";
    EXPECT_EQ(dispatch->Invoke(2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              DISP_E_BADPARAMCOUNT);
}

}  // namespace
