// CCameraDB: the camera catalogue of the field-of-view dialogs, grouped by maker.
//
// Init reads the catalogue file "Camera\cameras.txt" under the application data path: UTF-8
// text, one record per line, fields separated by tabs; blank lines and lines starting with "#"
// are skipped. A line "vendor<TAB>name" starts a maker; each following line
// "camera<TAB>display name<TAB>camera key<TAB>width<TAB>height<TAB>guider distance<TAB>guider width<TAB>guider height"
// (sizes in mm; a negative guider distance marks a camera without guider) adds a camera to it.
// Cameras are kept in catalogue order, so each maker's cameras form one block.
#pragma once

#include "platform/afx/CString.h"

#include <vector>

struct _CAM_VENDOR {
    CString strName;   // the maker's name
    int nCameraCount;  // how many of the catalogue's cameras are this maker's
};

struct _ANGLE_OF_FIELD {
    CString strVendor;      // the maker's name (not read by the dialogs)
    CString strName;        // display name
    CString strKey;         // the host's camera name
    double dWidth = 0.0;    // sensor width, mm
    double dHeight = 0.0;   // sensor height, mm
    double dGuiderDistance = -1.0;  // centre of the imaging area to centre of the guide area, mm
    double dGuiderWidth = 0.0;
    double dGuiderHeight = 0.0;
};

class KIVFW_API CCameraDB {
public:
    // Loads the catalogue under the application data path; FALSE (and an empty catalogue) when
    // the file is missing. Lines that cannot be read are skipped.
    BOOL Init(const wchar_t* lpszAppDataPath);
    // Loads a catalogue file by its full path.
    BOOL Load(const wchar_t* lpszFile);

    int GetVendorNum() const { return static_cast<int>(m_vendors.size()); }
    int GetCameraNum() const { return static_cast<int>(m_cameras.size()); }
    _CAM_VENDOR GetVendor(int nIndex) const;
    _ANGLE_OF_FIELD GetCamera(int nIndex) const;
    // Appends a camera at the end of the sequence and returns its index.
    int AddCamera(const _ANGLE_OF_FIELD& camera);

    // The catalogue file's place under the application data path.
    static CString CatalogPath(const wchar_t* lpszAppDataPath);

private:
    std::vector<_CAM_VENDOR> m_vendors;
    std::vector<_ANGLE_OF_FIELD> m_cameras;
};
