// The additional data file list and the user's data: the store's key, the files marked for
// deletion, and the files chosen in the add dialog. Real registry keys, real files.
#include "tests/dialogs/adf_test_support.h"

#include "dialogs/adf/MiscDelDialog.h"
#include "dialogs/adf/MiscDlg.h"
#include "host/core/Driver.h"
#include "host/core/HostSession.h"

#include <algorithm>
#include <tuple>

using namespace kivtest::adf;

namespace {

bool SameText(const std::wstring& a, const std::wstring& b)
{
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\') + 1); }

// Access to the key deletion the dialog uses.
struct KeyDeletion : CMiscDlg {
    using CMiscDlg::RecursiveRegDeleteKey;
};

// ---- the store's key ----

TEST(AdfStoreKey, RewriteReplacesOnlyTheListKeyAndWhatIsBelowIt)
{
    kivtest::ClearSettings();
    WriteList({L"C:\\DATA\\A.ADF,A", L"C:\\DATA\\B.ADF,B", std::nullopt, L"C:\\DATA\\D.ADF,after the gap"});
    const std::wstring deepest = L"General\\ADF\\Nested\\" + std::wstring(255, L'k') + L"\\Deepest";
    CRegistry::Write(deepest.c_str(), L"Inner", L"goes");
    CRegistry::Write(L"General", L"Marker", L"parent value stays");
    CRegistry::Write(L"General\\Other", L"Marker", L"sibling stays");
    CRegistry::Write(L"", L"Marker", L"application value stays");

    const auto run = RunMisc("", {L"select 1214 0", L"click 1308", L"ok"});
    ASSERT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(ReadValues(kListKey), Store({L"C:\\DATA\\B.ADF,B", L"C:\\DATA\\A.ADF,A"}));
    EXPECT_TRUE(ReadValues(kApp + L"\\" + deepest).empty());
    EXPECT_EQ(ReadValues(kApp + L"\\General"), (Values{{L"Marker", L"parent value stays"}}));
    EXPECT_EQ(ReadValues(kApp + L"\\General\\Other"), (Values{{L"Marker", L"sibling stays"}}));
    EXPECT_EQ(ReadValues(kApp), (Values{{L"Marker", L"application value stays"}}));
}

// Without a name the deletion would take the key it was given: it refuses.
TEST(AdfStoreKey, DeletionRefusesAnEmptyName)
{
    kivtest::ClearSettings();
    CRegistry::Write(L"General\\ADF\\Target", L"Value", L"stays");
    HKEY hList = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, kListKey.c_str(), 0, KEY_ALL_ACCESS, &hList), ERROR_SUCCESS);
    EXPECT_NE(KeyDeletion::RecursiveRegDeleteKey(hList, L""), ERROR_SUCCESS);
    EXPECT_NE(KeyDeletion::RecursiveRegDeleteKey(hList, nullptr), ERROR_SUCCESS);
    ::RegCloseKey(hList);
    EXPECT_EQ(ReadValues(kListKey + L"\\Target"), (Values{{L"Value", L"stays"}}));
}

// ---- deleting entries and their files ----

// A file goes only when the user ticked its box and confirmed the list with OK; the host then
// hears the remaining entries in their new slots.
TEST(AdfDeleteFile, HappensOnlyAfterOkForWhatTheUserMarked)
{
    // The actions after selecting entry 2 and pressing delete; whether its file and its entry are
    // gone; "DeleteFile" remembered afterwards (nullptr: never written).
    const std::tuple<std::vector<std::wstring>, bool, bool, const wchar_t*> cases[] = {
        {{L"click 1603", L"ok", L"ok"}, true, true, L"1"},
        {{L"ok", L"ok"}, false, true, L"0"},
        {{L"click 1603", L"cancel", L"ok"}, false, false, nullptr},
        {{L"click 1603", L"ok", L"cancel"}, false, false, L"1"}};
    for (const auto& [actions, fileGone, entryGone, deleteFile] : cases) {
        const std::wstring folder = TestFolder(L"delete");
        std::vector<std::pair<std::wstring, std::wstring>> entries = {{MakeFile(folder + L"alpha.adf"), L"Alpha"},
                                                                      {MakeFile(folder + L"彗星 データ.adf"), L"彗星"},
                                                                      {MakeFile(folder + L"gamma.adf"), L"Gamma"}};
        const std::wstring marked = entries[1].first;
        kivtest::ClearSettings();
        WriteList({entries[0].first + L"," + entries[0].second, marked + L",彗星", entries[2].first + L"," + entries[2].second});
        std::vector<std::wstring> script = {L"select 1214 1", L"click 1218"};
        script.insert(script.end(), actions.begin(), actions.end());
        const auto run = RunMisc(Slots({entries[0].first, marked, entries[2].first}), script);
        const bool listOk = actions.back() == L"ok";
        SCOPED_TRACE(testing::PrintToString(actions));
        EXPECT_EQ(run.result, listOk ? kivhost::RunResult::Ok : kivhost::RunResult::Cancel);
        EXPECT_TRUE(run.Messages().empty());
        EXPECT_TRUE(FileExists(entries[0].first) && FileExists(entries[2].first));
        EXPECT_EQ(FileExists(marked), !fileGone);
        EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\AdfDel"), (deleteFile ? Values{{L"DeleteFile", deleteFile}} : Values{}));
        if (entryGone)
            entries.erase(entries.begin() + 1);
        std::vector<std::wstring> stored, sent;
        for (size_t i = 0; i < entries.size(); ++i) {
            stored.push_back(entries[i].first + L"," + entries[i].second);
            sent.push_back(FileStatement(static_cast<int>(i + 1), ShortForm(entries[i].first)));
        }
        sent.push_back(L"Show Stellar");
        EXPECT_EQ(ReadValues(kListKey), Store(stored));
        EXPECT_EQ(listOk ? AfterInit(run) : run.Statements(), listOk ? sent : std::vector<std::wstring>{});
    }
}

// The delete dialog shows the entry's name and the long form of its stored path, and opens with
// the choice made last; cancelling it changes nothing.
TEST(AdfDeleteFile, ShowsTheEntryAndTheRememberedChoice)
{
    const std::wstring file = MakeFile(TestFolder(L"long form") + L"追加 天体 ファイル.adf");
    for (const wchar_t* remembered : {L"", L"1"}) {
        kivtest::ClearSettings();
        WriteList({ShortForm(file) + L",名前 & more"});
        if (*remembered)
            CRegistry::Write(L"Dialog\\AdfDel", L"DeleteFile", remembered);
        const auto run = RunMisc("", {L"select 1214 0", L"click 1218", L"dump", L"click 1603", L"cancel", L"cancel"});
        kivtest::ExpectTexts(run, {{1601, L"名前 & more"}});
        const auto path = run.Control(1604);
        ASSERT_TRUE(path.has_value());
        EXPECT_TRUE(SameText(path->text, file)) << kivhost::ToUtf8(path->text);
        EXPECT_EQ(kivtest::Checked(run, 1603), *remembered ? 1 : 0);
        EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\AdfDel"), (*remembered ? Values{{L"DeleteFile", L"1"}} : Values{}));
        EXPECT_TRUE(FileExists(file));
    }
}

TEST(AdfDeleteFile, FilesThatCannotGoAreSkippedSilentlyAndTheOthersGo)
{
    const std::wstring folder = TestFolder(L"skip");
    const std::wstring readOnly = MakeFile(folder + L"read only.adf");
    ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::wstring missing = folder + L"missing.adf";
    const std::wstring inUse = MakeFile(folder + L"in use.adf");
    const std::wstring plain = MakeFile(folder + L"plain.adf");
    kivtest::ClearSettings();
    WriteList({readOnly + L",R", missing + L",M", inUse + L",U", plain + L",P"});
    const HANDLE held = ::CreateFileW(inUse.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    // The box is ticked at the first delete and stays remembered for the others; the second
    // delete dialog is the missing file's.
    const wchar_t* del[] = {L"select 1214 0", L"click 1218"};
    const auto run = RunMisc("", {del[0], del[1], L"click 1603", L"ok", del[0], del[1], L"dump", L"ok", del[0], del[1], L"ok",
                                  del[0], del[1], L"ok", L"dump", L"ok"});
    ::CloseHandle(held);
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_TRUE(run.Messages().empty());
    kivtest::ExpectTexts(run, {{1604, L""}});
    EXPECT_TRUE(ListItems(run, 1).empty());
    EXPECT_TRUE(FileExists(readOnly));
    EXPECT_TRUE(FileExists(inUse));
    EXPECT_FALSE(FileExists(plain));
    EXPECT_TRUE(ReadValues(kListKey).empty());
    ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The protected form, for data the application needs: no file box, nothing remembered.
TEST(AdfDeleteFile, TheProtectedFormOnlyRemovesTheEntry)
{
    kivtest::ClearSettings();
    CRegistry::Write(L"Dialog\\AdfDel", L"DeleteFile", L"1");
    kivhost::HostSession session;
    std::vector<kivhost::Action> actions(2);
    std::wstring error;
    ASSERT_TRUE(kivhost::ParseAction(L"dump", actions[0], error) && kivhost::ParseAction(L"ok", actions[1], error));
    kivhost::Driver driver(session.GetJournal(), actions, L"");
    CMiscDelDialog dialog(1, &session.Window());
    dialog.m_strObjectName = L"Needed data";
    dialog.m_strFilePath = L"C:\\DATA\\NEEDED.ADF";
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.Failures(), 0);
    EXPECT_EQ(dialog.m_bDeleteFile, 0);
    kivtest::DialogRun run;
    run.journal = session.GetJournal().Lines();
    kivtest::ExpectTexts(run, {{1601, L"Needed data"}});
    EXPECT_FALSE(run.Control(1603).has_value());
    EXPECT_FALSE(run.Control(1604).has_value());
    EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\AdfDel"), (Values{{L"DeleteFile", L"1"}}));
}

// ---- adding entries ----

// A folder with a listed file and one to add: the folder, the listed file and the other.
std::tuple<std::wstring, std::wstring, std::wstring> OneEntryAndANewFile(const wchar_t* name)
{
    const std::wstring folder = TestFolder(name);
    kivtest::ClearSettings();
    WriteList({MakeFile(folder + L"existing.adf") + L",Existing"});
    return {folder, folder + L"existing.adf", MakeFile(folder + L"新しい 天体.adf")};
}

// A new entry goes on top, unticked, with the short form of its path; its name is the one typed
// (the first use's choice) or the file's name with its extension, and the choice is remembered.
TEST(AdfAdd, NamesTheEntryAsTypedOrAfterItsFile)
{
    // The actions in the add dialog ("file %": the new file), the radio then checked and whether
    // the name edit is enabled, the entry's name, the choice stored.
    const std::tuple<std::vector<std::wstring>, int, bool, std::wstring, const wchar_t*> cases[] = {
        {{L"dump", L"type 1015 Comet, bright", L"file %"}, 1307, true, L"Comet, bright", L"0"},
        // The dialog opened again shows the choice.
        {{L"type 1015 ignored", L"click 1306", L"file %", L"click 1217", L"dump", L"file cancel"}, 1306, false,
         L"新しい 天体.adf", L"1"}};
    for (const auto& [actions, radio, typing, name, useFileName] : cases) {
        const auto [folder, existing, added] = OneEntryAndANewFile(L"named");
        std::vector<std::wstring> script = {L"click 1217"};
        for (const std::wstring& action : actions)
            script.push_back(action == L"file %" ? L"file " + added : action);
        const auto run = RunMisc(Slots({existing}), kivtest::Then(script, {L"dump", L"ok"}));
        EXPECT_TRUE(run.Messages().empty());
        EXPECT_EQ(std::count(run.journal.begin(), run.journal.end(), L"# dump 天体を追加"), 1);
        EXPECT_EQ(kivtest::Checked(run, radio), 1);
        kivtest::ExpectEnabled(run, {1015, 1016}, typing);
        EXPECT_EQ(ListItems(run, 1), (std::vector<std::wstring>{L"checked=0 " + name, L"checked=1 Existing"}));
        const std::wstring shortPath = ShortForm(added);
        EXPECT_EQ(ReadValues(kListKey), Store({shortPath + L"," + name, existing + L",Existing"}));
        EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\Adf"), (Values{{L"AdfDir", FolderOf(shortPath)}}));
        EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\AdfAdd"), (Values{{L"UseFileName", useFileName}}));
        EXPECT_EQ(AfterInit(run), (std::vector<std::wstring>{FileStatement(2, ShortForm(existing)), L"Show Stellar"}));
    }
}

TEST(AdfAdd, AnEmptyTypedNameKeepsTheFileDialogOpen)
{
    const auto [folder, existing, added] = OneEntryAndANewFile(L"empty name");
    const auto run = RunMisc("", {L"click 1217", L"file " + added, L"type 1015 Named", L"file " + added, L"dump", L"ok"});
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"info 天体の名称を入力してください。"});
    EXPECT_EQ(ListItems(run), (std::vector<std::wstring>{L"checked=0 Named", L"checked=0 Existing"}));
}

// Refusals after the file dialog: the same file in another letter case (its folder is still
// remembered), and a path that keeps a comma, which the store would take for the end of the
// file's path. Neither changes the list or the store, nor sends anything.
TEST(AdfAdd, ADuplicateOrAPathWithACommaIsRefused)
{
    const auto [folder, existing, added] = OneEntryAndANewFile(L"refused");
    std::wstring upper = ShortForm(added);
    ::CharUpperW(upper.data());
    const std::tuple<std::wstring, std::wstring, std::wstring> cases[] = {
        {upper + L",Already", added, L"exclamation このファイルは、すでに登録されています。"},
        {existing + L",Existing", folder + L"not yet, written.adf", L"exclamation パスにコンマ(,)を含むファイルは登録できません。"}};
    for (const auto& [entry, chosen, message] : cases) {
        kivtest::ClearSettings();
        WriteList({entry});
        const auto run = RunMisc("", {L"click 1217", L"type 1015 Again", L"file " + chosen, L"dump", L"ok"});
        EXPECT_EQ(run.Messages(), std::vector<std::wstring>{message});
        EXPECT_EQ(ListItems(run), std::vector<std::wstring>{L"checked=0 " + entry.substr(entry.find(L',') + 1)});
        EXPECT_EQ(ReadValues(kListKey), Store({entry}));
        EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\Adf"), (Values{{L"AdfDir", FolderOf(ShortForm(chosen))}}));
        EXPECT_EQ(AfterInit(run), std::vector<std::wstring>{L"Show Stellar"});
    }
}

TEST(AdfAdd, AFortyFirstEntryIsRefusedBeforeTheFileDialog)
{
    kivtest::ClearSettings();
    WriteList(Numbered(40));
    const auto run = RunMisc("", {L"click 1217", L"dump", L"cancel"});
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"exclamation 追加天体は40個まで登録できます。"});
    EXPECT_EQ(std::count(run.journal.begin(), run.journal.end(), L"# dump 追加天体"), 1);
    EXPECT_EQ(std::count(run.journal.begin(), run.journal.end(), L"# dump 天体を追加"), 0);
}

TEST(AdfAdd, AFileMarkedForDeletionAndAddedAgainIsKept)
{
    const auto [folder, existing, added] = OneEntryAndANewFile(L"again");
    const auto run = RunMisc("", {L"select 1214 0", L"click 1218", L"click 1603", L"ok", L"click 1217", L"type 1015 Back",
                                  L"file " + existing, L"ok"});
    EXPECT_TRUE(FileExists(existing));
    EXPECT_EQ(ReadValues(kListKey), Store({ShortForm(existing) + L",Back"}));
}

// An entry whose path is longer than MAX_PATH is shown, sent in its short form and deleted.
TEST(AdfPath, AnEntryBeyondMaxPathIsShownSentAndDeleted)
{
    std::wstring deep = TestFolder(L"deep entry");
    for (int i = 0; deep.size() < 300; ++i) {
        deep += L"長い フォルダ名 " + std::to_wstring(i) + L"\\";
        ::CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr);
    }
    const std::wstring file = MakeFile(deep + L"深い 天体.adf");
    const std::wstring other = MakeFile(deep + L"other.adf");
    kivtest::ClearSettings();
    WriteList({file + L",Deep", other + L",Other"});
    const auto run = RunMisc(Slots({file, other}), {L"select 1214 0", L"click 1218", L"dump", L"click 1603", L"ok", L"ok"});
    const auto path = run.Control(1604);
    ASSERT_TRUE(path.has_value());
    EXPECT_TRUE(SameText(path->text, file)) << kivhost::ToUtf8(path->text);
    EXPECT_EQ(AfterInit(run), (std::vector<std::wstring>{FileStatement(1, ShortForm(other)), L"Show Stellar"}));
    EXPECT_FALSE(FileExists(file));
    EXPECT_TRUE(FileExists(other));
    EXPECT_EQ(ReadValues(kListKey), Store({other + L",Other"}));
}

}  // namespace
