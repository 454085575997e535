#include "framework/kivcom/CameraDB.h"
#include "framework/kivcom/CommonFile.h"

#include "platform/afx/TextParse.h"

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
    std::vector<kivparse::CatalogVendor> vendors;
    std::vector<kivparse::CatalogCamera> cameras;
    kivparse::ParseCatalog(bytes, vendors, cameras);
    for (const kivparse::CatalogVendor& vendor : vendors)
        m_vendors.push_back({CString(vendor.name), vendor.cameraCount});
    for (const kivparse::CatalogCamera& camera : cameras) {
        _ANGLE_OF_FIELD record;
        record.strVendor = camera.vendor;
        record.strName = camera.name;
        record.strKey = camera.key;
        record.dWidth = camera.width;
        record.dHeight = camera.height;
        record.dGuiderDistance = camera.guiderDistance;
        record.dGuiderWidth = camera.guiderWidth;
        record.dGuiderHeight = camera.guiderHeight;
        m_cameras.push_back(record);
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
