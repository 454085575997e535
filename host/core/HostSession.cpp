#include "host/core/HostSession.h"

#include "platform/afx/MessageBox.h"
#include "host/core/Driver.h"
#include "host/core/Utf.h"
#include "host/core/host_ids.h"

#include <cstdio>
#include <cwctype>
#include <utility>

namespace kivhost {

namespace {

// Every message box goes to the journal, and the driver (when one runs) answers it.
void OnMessageBox(UINT type, const wchar_t* text, void* context)
{
    auto* journal = static_cast<Journal*>(context);
    journal->MessageBoxShown((type & MB_ICONMASK) == MB_ICONINFORMATION, text);
    Driver::ExpectMessageBox();
}

bool ParseNumber(const std::wstring& text, int& value)
{
    if (text.empty())
        return false;
    size_t used = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

}  // namespace

bool DialogArgs::Set(const std::wstring& assignment, std::wstring& error)
{
    const size_t equals = assignment.find(L'=');
    if (equals == std::wstring::npos) {
        error = L"--arg takes NAME=VALUE: " + assignment;
        return false;
    }
    // Names are read without regard to case; the panorama's and terrain's long names are
    // aliases of the short ones.
    std::wstring name = assignment.substr(0, equals);
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towlower(c));
    static const std::pair<const wchar_t*, const wchar_t*> kAliases[] = {
        {L"dayfile", L"day"}, {L"maskfile", L"mask"}, {L"nightfile", L"night"}, {L"terraindata", L"terrain"},
        {L"flightmode", L"flight"}};
    for (const auto& alias : kAliases) {
        if (name == alias.first)
            name = alias.second;
    }
    const std::wstring value = assignment.substr(equals + 1);
    struct Flag {
        const wchar_t* name;
        int* target;
        bool percent;
    };
    const Flag numbers[] = {{L"terrain", &terrain, false},       {L"flight", &flight, false},
                            {L"show", &panoramaShow, false},     {L"opacity", &panoramaOpacity, true},
                            {L"centresouth", &panoramaCentreSouth, false}};
    for (const Flag& flag : numbers) {
        if (name != flag.name)
            continue;
        int parsed = 0;
        if (!ParseNumber(value, parsed) || (!flag.percent && parsed != 0 && parsed != 1) ||
            (flag.percent && (parsed < 0 || parsed > 100))) {
            error = L"--arg " + name + L" takes " + (flag.percent ? L"0 to 100" : L"0 or 1");
            return false;
        }
        *flag.target = parsed;
        given.insert(name);
        return true;
    }
    if (name == L"appdata") {
        appdata = value;
        if (!appdata.empty() && appdata.back() != L'\\' && appdata.back() != L'/')
            appdata += L'\\';
    } else if (name == L"day") {
        panoramaDay = value;
    } else if (name == L"mask") {
        panoramaMask = value;
    } else if (name == L"night") {
        panoramaNight = value;
    } else {
        error = L"unknown --arg " + name;
        return false;
    }
    given.insert(name);
    return true;
}

HostSession::HostSession() : m_dispatch(m_engine, m_journal), m_dispatch2(m_engine, m_journal)
{
    m_comInitialized = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    m_channel.SetControlDispatch(&m_dispatch);
    m_channel2.SetControlDispatch(&m_dispatch2);
    m_args.appdata = DefaultAppDataPath();
    AfxSetMessageBoxObserver(&OnMessageBox, &m_journal);
}

HostSession::~HostSession()
{
    AfxSetMessageBoxObserver(nullptr, nullptr);
    m_ownWindow.reset();
    if (m_comInitialized)
        ::CoUninitialize();
}

void HostSession::MakeHostile(std::uint64_t seed)
{
    m_hostile = std::make_unique<HostileAnswers>(seed);
    m_dispatch.SetHostile(m_hostile.get());
    m_dispatch2.SetHostile(m_hostile.get());
}

HostWindow& HostSession::Window()
{
    if (!m_window) {
        m_ownWindow = std::make_unique<HostWindow>(m_journal);
        CString title;
        title.LoadString(IDS_HOST_TITLE);
        m_ownWindow->Create(title, false);
        m_window = m_ownWindow.get();
    }
    return *m_window;
}

bool HostSession::LoadStateText(const std::string& utf8, std::vector<std::wstring>& problems)
{
    for (const kiv::engine::LoadError& error : m_engine.LoadState(utf8))
        problems.push_back(L"line " + std::to_wstring(error.line) + L": " + FromUtf8(error.message));
    return true;
}

bool HostSession::LoadBundledSky(std::vector<std::wstring>& problems)
{
    const HMODULE exe = ::GetModuleHandleW(nullptr);
    const HRSRC resource = ::FindResourceW(exe, MAKEINTRESOURCEW(IDR_DEFAULT_SKY), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    const HGLOBAL loaded = resource ? ::LoadResource(exe, resource) : nullptr;
    const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    if (!data) {
        problems.push_back(L"the bundled default sky is missing from the program");
        return false;
    }
    return LoadStateText(std::string(data, ::SizeofResource(exe, resource)), problems);
}

bool HostSession::LoadStateFile(const std::wstring& path, std::vector<std::wstring>& problems)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        problems.push_back(L"cannot read the state file " + path);
        return false;
    }
    return LoadStateText(bytes, problems);
}

bool HostSession::SaveStateFile(const std::wstring& path) const
{
    return WriteFileBytes(path, m_engine.SaveState());
}

std::wstring HostSession::DefaultAppDataPath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + L"appdata\\";
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes)
{
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    bytes.clear();
    char buffer[65536];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, read);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace kivhost
