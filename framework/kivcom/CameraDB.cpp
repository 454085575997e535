#include "framework/kivcom/CameraDB.h"
#include "framework/kivcom/CommonFile.h"

#include "framework/afx/DataExchange.h"

#include <iterator>
#include <string>
#include <vector>

namespace {

// A catalogue is a few hundred lines; anything far larger is not one.
constexpr LONGLONG kMaxCatalogBytes = 16 * 1024 * 1024;

bool ReadWholeFile(const wchar_t* path, std::string& bytes)
{
    const HANDLE file = ::CreateFileW(CCommonFile::ExtendedPath(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool ok = ::GetFileSizeEx(file, &size) && size.QuadPart <= kMaxCatalogBytes;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        bytes.resize(ok ? read : 0);
    }
    ::CloseHandle(file);
    return ok;
}

std::wstring FromUtf8(const std::string& bytes)
{
    const size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    const int length = static_cast<int>(bytes.size() - start);
    if (length <= 0)
        return {};
    const int chars = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data() + start, length, nullptr, 0);
    std::wstring text(static_cast<size_t>(chars > 0 ? chars : 0), L'\0');
    if (chars > 0)
        ::MultiByteToWideChar(CP_UTF8, 0, bytes.data() + start, length, text.data(), chars);
    return text;
}

std::vector<CString> SplitTabs(const std::wstring& line)
{
    std::vector<CString> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find(L'\t', start);
        fields.emplace_back(line.substr(start, tab == std::wstring::npos ? std::wstring::npos : tab - start));
        if (tab == std::wstring::npos)
            return fields;
        start = tab + 1;
    }
}

// The camera fields after the record kind: display name, key, then five sizes in mm.
bool ReadCamera(const std::vector<CString>& fields, _ANGLE_OF_FIELD& camera)
{
    if (fields.size() != 8 || fields[1].IsEmpty() || fields[2].IsEmpty())
        return false;
    camera.strName = fields[1];
    camera.strKey = fields[2];
    double* const sizes[] = {&camera.dWidth, &camera.dHeight, &camera.dGuiderDistance, &camera.dGuiderWidth,
                             &camera.dGuiderHeight};
    for (size_t i = 0; i < std::size(sizes); ++i) {
        if (!AfxParseDouble(fields[3 + i], *sizes[i]))
            return false;
    }
    return true;
}

}  // namespace

CString CCameraDB::CatalogPath(const wchar_t* lpszAppDataPath)
{
    CString path(lpszAppDataPath);
    if (!path.IsEmpty() && path[path.GetLength() - 1] != L'\\' && path[path.GetLength() - 1] != L'/')
        path += L'\\';
    return path + L"Camera\\cameras.txt";
}

BOOL CCameraDB::Init(const wchar_t* lpszAppDataPath)
{
    return Load(CatalogPath(lpszAppDataPath));
}

BOOL CCameraDB::Load(const wchar_t* lpszFile)
{
    m_vendors.clear();
    m_cameras.clear();
    std::string bytes;
    if (!lpszFile || !ReadWholeFile(lpszFile, bytes))
        return FALSE;
    const std::wstring text = FromUtf8(bytes);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        if (line.empty() || line[0] == L'#')
            continue;
        const std::vector<CString> fields = SplitTabs(line);
        if (fields[0] == L"vendor" && fields.size() == 2 && !fields[1].IsEmpty()) {
            m_vendors.push_back({fields[1], 0});
            continue;
        }
        _ANGLE_OF_FIELD camera;
        // A camera before any maker has no block to belong to.
        if (fields[0] == L"camera" && !m_vendors.empty() && ReadCamera(fields, camera)) {
            camera.strVendor = m_vendors.back().strName;
            m_cameras.push_back(camera);
            ++m_vendors.back().nCameraCount;
        }
    }
    return TRUE;
}

_CAM_VENDOR CCameraDB::GetVendor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetVendorNum())
        return _CAM_VENDOR{};
    return m_vendors[static_cast<size_t>(nIndex)];
}

_ANGLE_OF_FIELD CCameraDB::GetCamera(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCameraNum())
        return _ANGLE_OF_FIELD{};
    return m_cameras[static_cast<size_t>(nIndex)];
}

int CCameraDB::AddCamera(const _ANGLE_OF_FIELD& camera)
{
    m_cameras.push_back(camera);
    return GetCameraNum() - 1;
}
