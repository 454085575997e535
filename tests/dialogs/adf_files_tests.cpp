// The additional data file list and the user's data: the store's key, the files marked for
// deletion, and the files chosen in the add dialog. Real registry keys, real files.
#include "tests/dialogs/adf_test_support.h"

#include "dialogs/adf/AdfPath.h"
#include "dialogs/adf/MiscDelDialog.h"
#include "dialogs/adf/MiscDlg.h"
#include "host/core/Driver.h"
#include "host/core/HostSession.h"

#include <algorithm>
#include <cwctype>

using namespace kivtest::adf;

namespace {

const std::wstring kApp = L"Software\\Calvane\\KivenarLite\\1.0";

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

std::wstring Upper(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return text;
}

std::wstring FolderOf(const std::wstring& path)
{
    return path.substr(0, path.rfind(L'\\') + 1);
}

std::map<std::wstring, std::wstring> Store(const std::vector<std::wstring>& values)
{
    std::map<std::wstring, std::wstring> store;
    for (size_t i = 0; i < values.size(); ++i)
        store[L"ADF" + std::to_wstring(i + 1)] = values[i];
    return store;
}

bool JournalHas(const kivtest::DialogRun& run, const std::wstring& line)
{
    return std::find(run.journal.begin(), run.journal.end(), line) != run.journal.end();
}

// Access to the key deletion the dialog uses.
struct KeyDeletion : CMiscDlg {
    using CMiscDlg::RecursiveRegDeleteKey;
};

// ---- the store's key ----

TEST(AdfStoreKey, RewriteReplacesOnlyTheListKeyAndWhatIsBelowIt)
{
    kivtest::ClearSettings();
    WriteList({L"C:\\DATA\\A.ADF,A", L"C:\\DATA\\B.ADF,B", std::nullopt, L"C:\\DATA\\D.ADF,after the gap"});
    WriteValue(kListKey + L"\\Nested", L"Inner", L"goes");
    WriteValue(kListKey + L"\\Nested\\Deeper\\Deepest", L"Inner", L"goes too");
    WriteValue(kApp + L"\\General", L"Marker", L"parent value stays");
    WriteValue(kApp + L"\\General\\Other", L"Marker", L"sibling stays");
    WriteValue(kApp + L"\\General\\ADF2", L"Marker", L"look-alike sibling stays");
    WriteValue(kApp + L"\\Dialog\\Adf", L"AdfDir", L"C:\\DATA\\");
    WriteValue(kApp, L"Marker", L"application value stays");

    const auto run = RunMisc("", {L"select 1214 0", L"click 1308", L"ok"});
    ASSERT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_EQ(ReadValues(kListKey), Store({L"C:\\DATA\\B.ADF,B", L"C:\\DATA\\A.ADF,A"}));
    EXPECT_FALSE(KeyExists(kListKey + L"\\Nested"));
    using Values = std::map<std::wstring, std::wstring>;
    EXPECT_EQ(ReadValues(kApp + L"\\General"), (Values{{L"Marker", L"parent value stays"}}));
    EXPECT_EQ(ReadValues(kApp + L"\\General\\Other"), (Values{{L"Marker", L"sibling stays"}}));
    EXPECT_EQ(ReadValues(kApp + L"\\General\\ADF2"), (Values{{L"Marker", L"look-alike sibling stays"}}));
    EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\Adf"), (Values{{L"AdfDir", L"C:\\DATA\\"}}));
    EXPECT_EQ(ReadValues(kApp), (Values{{L"Marker", L"application value stays"}}));
}

TEST(AdfStoreKey, DeletionRefusesAnEmptyNameAndReachesOnlyItsKey)
{
    const std::wstring root = L"Software\\KivenarTest\\AdfDeletion";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str());
    const std::wstring longName(255, L'k');
    WriteValue(root, L"Root", L"stays");
    WriteValue(root + L"\\Target\\" + longName + L"\\Three\\Four", L"Deep", L"goes");
    WriteValue(root + L"\\Target\\Second", L"Value", L"goes");
    WriteValue(root + L"\\Target", L"Own", L"goes");
    WriteValue(root + L"\\TargetSibling", L"Value", L"stays");

    HKEY hRoot = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, root.c_str(), 0, KEY_ALL_ACCESS, &hRoot), ERROR_SUCCESS);
    EXPECT_NE(KeyDeletion::RecursiveRegDeleteKey(hRoot, L""), ERROR_SUCCESS);
    EXPECT_NE(KeyDeletion::RecursiveRegDeleteKey(hRoot, nullptr), ERROR_SUCCESS);
    EXPECT_TRUE(KeyExists(root + L"\\Target\\Second"));

    EXPECT_EQ(KeyDeletion::RecursiveRegDeleteKey(hRoot, L"Target"), ERROR_SUCCESS);
    EXPECT_EQ(KeyDeletion::RecursiveRegDeleteKey(hRoot, L"Target"), ERROR_FILE_NOT_FOUND);
    ::RegCloseKey(hRoot);
    EXPECT_FALSE(KeyExists(root + L"\\Target"));
    EXPECT_TRUE(KeyExists(root + L"\\TargetSibling"));
    EXPECT_EQ(ReadValues(root), (std::map<std::wstring, std::wstring>{{L"Root", L"stays"}}));
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KivenarTest");
}

// ---- deleting entries and their files ----

struct Files {
    std::wstring folder, a, b, c;
};

Files ThreeFiles(const wchar_t* name)
{
    Files files;
    files.folder = TestFolder(name);
    files.a = MakeFile(files.folder + L"alpha.adf");
    files.b = MakeFile(files.folder + L"彗星 データ.adf");
    files.c = MakeFile(files.folder + L"gamma.adf");
    kivtest::ClearSettings();
    WriteList({files.a + L",Alpha", files.b + L",彗星", files.c + L",Gamma"});
    return files;
}

struct DeleteCase {
    const char* name;
    std::vector<std::wstring> actions;  // after selecting entry 1 and pressing delete
    kivhost::RunResult result;
    bool bGone;                         // the file of entry 1 was deleted
    bool entryGone;                     // the store no longer holds entry 1
    const wchar_t* deleteFile;          // "DeleteFile" afterwards; nullptr: never written
};

class AdfDeleteFile : public testing::TestWithParam<DeleteCase> {};

TEST_P(AdfDeleteFile, HappensOnlyAfterOkForWhatTheUserMarked)
{
    const Files files = ThreeFiles(L"delete");
    const auto before = ReadValues(kListKey);
    std::vector<std::wstring> actions = {L"select 1214 1", L"click 1218"};
    actions.insert(actions.end(), GetParam().actions.begin(), GetParam().actions.end());
    const auto run = RunMisc(Slots({{files.a, "TRUE"}, {files.b, "TRUE"}, {files.c, "TRUE"}}), actions);
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.result, GetParam().result);
    EXPECT_TRUE(run.Messages().empty());
    EXPECT_TRUE(FileExists(files.a));
    EXPECT_EQ(FileExists(files.b), !GetParam().bGone);
    EXPECT_TRUE(FileExists(files.c));
    if (GetParam().entryGone)
        EXPECT_EQ(ReadValues(kListKey), Store({files.a + L",Alpha", files.c + L",Gamma"}));
    else
        EXPECT_EQ(ReadValues(kListKey), before);
    const auto remembered = ReadValues(kApp + L"\\Dialog\\AdfDel");
    if (GetParam().deleteFile)
        EXPECT_EQ(remembered, (std::map<std::wstring, std::wstring>{{L"DeleteFile", GetParam().deleteFile}}));
    else
        EXPECT_TRUE(remembered.empty());
    if (GetParam().result == kivhost::RunResult::Cancel) {
        EXPECT_TRUE(run.Statements().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, AdfDeleteFile,
    testing::Values(DeleteCase{"FileTickedThenOk", {L"click 1603", L"ok", L"ok"}, kivhost::RunResult::Ok, true, true, L"1"},
                    DeleteCase{"FileNotTicked", {L"ok", L"ok"}, kivhost::RunResult::Ok, false, true, L"0"},
                    DeleteCase{"DeleteDialogCancelled", {L"click 1603", L"cancel", L"ok"}, kivhost::RunResult::Ok, false,
                               false, nullptr},
                    DeleteCase{"ListCancelledAfterMarking", {L"click 1603", L"ok", L"cancel"}, kivhost::RunResult::Cancel,
                               false, false, L"1"}),
    [](const testing::TestParamInfo<DeleteCase>& info) { return info.param.name; });

TEST(AdfDeleteFile, AfterOkTheHostGetsTheRemainingEntriesInTheirNewSlots)
{
    const Files files = ThreeFiles(L"slots");
    const auto run = RunMisc(Slots({{files.a, "TRUE"}, {files.b, "TRUE"}, {files.c, "TRUE"}}),
                             {L"select 1214 1", L"click 1218", L"click 1603", L"ok", L"ok"});
    EXPECT_EQ(AfterInit(run), (std::vector<std::wstring>{FileStatement(1, ShortForm(files.a)),
                                                          FileStatement(2, ShortForm(files.c)), L"Show Stellar"}));
}

TEST(AdfDeleteFile, ShowsTheNameAndTheLongPathOfAShortStoredPath)
{
    const std::wstring folder = TestFolder(L"long form");
    const std::wstring file = MakeFile(folder + L"追加 天体 ファイル.adf");
    kivtest::ClearSettings();
    WriteList({ShortForm(file) + L",名前 & more"});
    const auto run = RunMisc("", {L"select 1214 0", L"click 1218", L"dump", L"cancel", L"cancel"});
    const auto name = run.Control(1601);
    const auto path = run.Control(1604);
    const auto box = run.Control(1603);
    ASSERT_TRUE(name && path && box);
    EXPECT_EQ(name->text, L"名前 & more");
    EXPECT_EQ(Lower(path->text), Lower(file));
    EXPECT_EQ(box->checked, 0);  // first use
}

TEST(AdfDeleteFile, RemembersTheLastChoiceAndCancelKeepsIt)
{
    const Files files = ThreeFiles(L"remember");
    WriteValue(kApp + L"\\Dialog\\AdfDel", L"DeleteFile", L"1");
    // The box opens ticked; the user unticks it and cancels: the choice stays as it was.
    const auto run = RunMisc("", {L"select 1214 0", L"click 1218", L"dump", L"click 1603", L"cancel", L"cancel"});
    const auto box = run.Control(1603);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->checked, 1);
    EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\AdfDel"), (std::map<std::wstring, std::wstring>{{L"DeleteFile", L"1"}}));
    EXPECT_TRUE(FileExists(files.a));
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

    // The box is ticked at the first delete and stays remembered for the others.
    std::vector<std::wstring> actions = {L"select 1214 0", L"click 1218", L"click 1603", L"ok"};
    for (int i = 0; i < 3; ++i) {
        actions.push_back(L"select 1214 0");
        actions.push_back(L"click 1218");
        if (i == 0)
            actions.push_back(L"dump");  // the missing file's dialog
        actions.push_back(L"ok");
    }
    actions.push_back(L"dump");
    actions.push_back(L"ok");
    const auto run = RunMisc("", actions);
    ::CloseHandle(held);

    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.result, kivhost::RunResult::Ok);
    EXPECT_TRUE(run.Messages().empty());
    const auto missingPath = run.Control(1604, 0);
    ASSERT_TRUE(missingPath.has_value());
    EXPECT_EQ(missingPath->text, L"");
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
    WriteValue(kApp + L"\\Dialog\\AdfDel", L"DeleteFile", L"1");
    kivhost::HostSession session;
    std::vector<kivhost::Action> actions(2);
    std::wstring error;
    ASSERT_TRUE(kivhost::ParseAction(L"dump", actions[0], error));
    ASSERT_TRUE(kivhost::ParseAction(L"ok", actions[1], error));
    kivhost::Driver driver(session.GetJournal(), actions, L"");
    CMiscDelDialog dialog(1, &session.Window());
    dialog.m_strObjectName = L"Needed data";
    dialog.m_strFilePath = L"C:\\DATA\\NEEDED.ADF";
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.Failures(), 0);
    EXPECT_EQ(dialog.m_bDeleteFile, 0);
    kivtest::DialogRun run;
    run.journal = session.GetJournal().Lines();
    const auto name = run.Control(1601);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(name->text, L"Needed data");
    EXPECT_FALSE(run.Control(1603).has_value());
    EXPECT_FALSE(run.Control(1604).has_value());
    EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\AdfDel"), (std::map<std::wstring, std::wstring>{{L"DeleteFile", L"1"}}));
}

// ---- adding entries ----

struct AddFiles {
    std::wstring folder, existing, added;
};

AddFiles OneEntryAndANewFile(const wchar_t* name)
{
    AddFiles files;
    files.folder = TestFolder(name);
    files.existing = MakeFile(files.folder + L"existing.adf");
    files.added = MakeFile(files.folder + L"新しい 天体.adf");
    kivtest::ClearSettings();
    WriteList({files.existing + L",Existing"});
    return files;
}

TEST(AdfAdd, TypedNameGoesOnTopUntickedWithTheShortPath)
{
    const AddFiles files = OneEntryAndANewFile(L"typed");
    const auto run = RunMisc(Slots({{files.existing, "TRUE"}}),
                             {L"click 1217", L"dump", L"type 1015 Comet, bright", L"file " + files.added, L"dump", L"ok"});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_TRUE(run.Messages().empty());
    ASSERT_TRUE(JournalHas(run, L"# dump 天体を追加"));
    // First use: the typed-name radio, with the name edit enabled.
    const auto typed = run.Control(1307, 0);
    const auto edit = run.Control(1015, 0);
    ASSERT_TRUE(typed && edit);
    EXPECT_EQ(typed->checked, 1);
    EXPECT_TRUE(edit->enabled);

    EXPECT_EQ(ListItems(run, 1), (std::vector<std::wstring>{L"checked=0 Comet, bright", L"checked=1 Existing"}));
    const std::wstring shortPath = ShortForm(files.added);
    EXPECT_EQ(ReadValues(kListKey), Store({shortPath + L",Comet, bright", files.existing + L",Existing"}));
    EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\Adf"), (std::map<std::wstring, std::wstring>{{L"AdfDir", FolderOf(shortPath)}}));
    EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\AdfAdd"), (std::map<std::wstring, std::wstring>{{L"UseFileName", L"0"}}));
    EXPECT_EQ(AfterInit(run), (std::vector<std::wstring>{FileStatement(2, ShortForm(files.existing)), L"Show Stellar"}));
}

TEST(AdfAdd, FileNameRadioNamesTheEntryAfterTheFileAndIsRemembered)
{
    const AddFiles files = OneEntryAndANewFile(L"file name");
    const auto run = RunMisc("", {L"click 1217", L"type 1015 ignored", L"click 1306", L"file " + files.added, L"click 1217",
                                  L"dump", L"file cancel", L"dump", L"ok"});
    EXPECT_EQ(run.driverFailures, 0);
    const auto fileRadio = run.Control(1306, 0);
    const auto edit = run.Control(1015, 0);
    const auto label = run.Control(1016, 0);
    ASSERT_TRUE(fileRadio && edit && label);
    EXPECT_EQ(fileRadio->checked, 1);
    EXPECT_FALSE(edit->enabled);
    EXPECT_FALSE(label->enabled);
    // The chosen file's name with its extension and without its folder.
    EXPECT_EQ(ListItems(run, 1), (std::vector<std::wstring>{L"checked=0 新しい 天体.adf", L"checked=0 Existing"}));
    EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\AdfAdd"), (std::map<std::wstring, std::wstring>{{L"UseFileName", L"1"}}));
}

TEST(AdfAdd, AnEmptyTypedNameKeepsTheFileDialogOpen)
{
    const AddFiles files = OneEntryAndANewFile(L"empty name");
    const auto run = RunMisc("", {L"click 1217", L"file " + files.added, L"type 1015 Named", L"file " + files.added, L"dump",
                                  L"ok"});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"info 天体の名称を入力してください。"});
    EXPECT_EQ(ListItems(run), (std::vector<std::wstring>{L"checked=0 Named", L"checked=0 Existing"}));
}

TEST(AdfAdd, TheSameFileInAnotherLetterCaseIsRefusedButTheFolderIsKept)
{
    const AddFiles files = OneEntryAndANewFile(L"duplicate");
    WriteList({Upper(ShortForm(files.added)) + L",Already"});
    const auto before = ReadValues(kListKey);
    const auto run = RunMisc("", {L"click 1217", L"type 1015 Again", L"file " + files.added, L"dump", L"cancel"});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"exclamation このファイルは、すでに登録されています。"});
    EXPECT_EQ(ListItems(run), std::vector<std::wstring>{L"checked=0 Already"});
    EXPECT_EQ(ReadValues(kApp + L"\\Dialog\\Adf"),
              (std::map<std::wstring, std::wstring>{{L"AdfDir", FolderOf(ShortForm(files.added))}}));
    EXPECT_EQ(ReadValues(kListKey), before);
    EXPECT_TRUE(run.Statements().empty());
}

TEST(AdfAdd, AFortyFirstEntryIsRefusedBeforeTheFileDialog)
{
    kivtest::ClearSettings();
    std::vector<std::optional<std::wstring>> values;
    for (int i = 1; i <= 40; ++i)
        values.push_back(L"C:\\DATA\\F" + std::to_wstring(i) + L".ADF,Entry " + std::to_wstring(i));
    WriteList(values);
    const auto run = RunMisc("", {L"click 1217", L"dump", L"cancel"});
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"exclamation 追加天体は40個まで登録できます。"});
    EXPECT_TRUE(JournalHas(run, L"# dump 追加天体"));
    EXPECT_FALSE(JournalHas(run, L"# dump 天体を追加"));
}

TEST(AdfAdd, AFileMarkedForDeletionAndAddedAgainIsKept)
{
    const AddFiles files = OneEntryAndANewFile(L"again");
    const auto run = RunMisc("", {L"select 1214 0", L"click 1218", L"click 1603", L"ok", L"click 1217", L"type 1015 Back",
                                  L"file " + files.existing, L"ok"});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_TRUE(FileExists(files.existing));
    EXPECT_EQ(ReadValues(kListKey), Store({ShortForm(files.existing) + L",Back"}));
}

// A file without a short form keeps its comma, which the store would take for the end of the
// file's path: such a file is refused rather than stored as another one.
TEST(AdfAdd, APathThatKeepsACommaIsRefused)
{
    const AddFiles files = OneEntryAndANewFile(L"comma");
    const std::wstring comma = files.folder + L"not yet, written.adf";
    const auto run = RunMisc("", {L"click 1217", L"type 1015 Comma", L"file " + comma, L"dump", L"ok"});
    EXPECT_EQ(run.driverFailures, 0);
    EXPECT_EQ(run.Messages(), std::vector<std::wstring>{L"exclamation パスにコンマ(,)を含むファイルは登録できません。"});
    EXPECT_EQ(ListItems(run), std::vector<std::wstring>{L"checked=0 Existing"});
    EXPECT_EQ(ReadValues(kListKey), Store({files.existing + L",Existing"}));
}

// ---- path forms ----

// A folder chain under the test's folder whose path is longer than MAX_PATH; ends in a backslash.
std::wstring DeepFolder(const std::wstring& folder)
{
    std::wstring deep = folder;
    for (int i = 0; deep.size() < 300; ++i) {
        deep += L"長い フォルダ名 " + std::to_wstring(i) + L"\\";
        ::CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr);
    }
    return deep;
}

std::wstring MakeDeepFile(const std::wstring& path)
{
    const HANDLE handle = ::CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(handle, INVALID_HANDLE_VALUE);
    ::CloseHandle(handle);
    return path;
}

bool DeepFileExists(const std::wstring& path)
{
    return ::GetFileAttributesW((L"\\\\?\\" + path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(AdfPath, AnEntryBeyondMaxPathIsShownSentAndDeleted)
{
    const std::wstring deep = DeepFolder(TestFolder(L"deep entry"));
    const std::wstring file = MakeDeepFile(deep + L"深い 天体.adf");
    const std::wstring other = MakeDeepFile(deep + L"other.adf");
    kivtest::ClearSettings();
    WriteList({file + L",Deep", other + L",Other"});
    const auto run = RunMisc(Slots({{file, "TRUE"}, {other, "TRUE"}}),
                             {L"select 1214 0", L"click 1218", L"dump", L"click 1603", L"ok", L"ok"});
    EXPECT_EQ(run.driverFailures, 0);
    const auto path = run.Control(1604);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(Lower(path->text), Lower(file));
    EXPECT_EQ(AfterInit(run), (std::vector<std::wstring>{FileStatement(1, ShortForm(other)), L"Show Stellar"}));
    EXPECT_FALSE(DeepFileExists(file));
    EXPECT_TRUE(DeepFileExists(other));
    EXPECT_EQ(ReadValues(kListKey), Store({other + L",Other"}));
}

TEST(AdfPath, ShortAndLongFormsSurviveLongPathsBlanksAndJapanese)
{
    const std::wstring folder = TestFolder(L"paths");
    const std::wstring longFile = MakeDeepFile(DeepFolder(folder) + L"深い 天体.adf");
    const std::wstring japanese = MakeFile(folder + L"日本語 の 名前.adf");
    const std::wstring missing = folder + L"no such file.adf";

    for (const std::wstring& path : {longFile, japanese}) {
        const CString shortPath = AdfShortPath(path.c_str());
        EXPECT_FALSE(shortPath.IsEmpty());
        EXPECT_EQ(shortPath.str(), ShortForm(path));
        EXPECT_EQ(Lower(AdfLongPath(shortPath).str()), Lower(path));
    }
    EXPECT_GT(longFile.size(), static_cast<size_t>(MAX_PATH));
    EXPECT_EQ(AdfShortPath(missing.c_str()).str(), missing);
    EXPECT_TRUE(AdfLongPath(missing.c_str()).IsEmpty());
    EXPECT_TRUE(AdfShortPath(L"").IsEmpty());
}

}  // namespace
