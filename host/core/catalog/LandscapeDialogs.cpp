// The panorama and terrain dialogs as the host builds them. The panorama's members come from the
// command line where given, otherwise from what the host keeps in its own settings section
// ("Host\Panorama": Show, DayFile, MaskFile, NightFile, Opacity, CentreSouth), which starts with
// the sample pictures under appdata\LndPic\ and takes the members back after OK.
#include "dialogs/landscape/DlgGeography81.h"
#include "dialogs/landscape/DlgPanorama.h"
#include "framework/kivreg/Registry.h"
#include "host/core/catalog/Catalog.h"
#include "host/core/host_ids.h"

#include <string>

namespace kivhost {

namespace {

const wchar_t kPanoramaSection[] = L"Host\\Panorama";

void KeepNumber(HostSession& session, const wchar_t* arg, const wchar_t* key, int fallback, int& member)
{
    if (session.Args().given.count(arg) == 0)
        CRegistry::Read(kPanoramaSection, key, fallback, &member, 1);
}

void KeepPath(HostSession& session, const wchar_t* arg, const wchar_t* key, const std::wstring& fallback,
              CString& member)
{
    if (session.Args().given.count(arg) == 0)
        CRegistry::Read(kPanoramaSection, key, fallback.c_str(), member);
}

void JournalMember(HostSession& session, const wchar_t* name, const std::wstring& value)
{
    session.GetJournal().Note(std::wstring(L"member ") + name + L" = " + value);
}

INT_PTR RunPanorama(HostSession& session)
{
    CDlgPanorama dialog(session.Channel(), session.Channel2(), &session.Window());
    const DialogArgs& args = session.Args();
    dialog.m_bShow = args.panoramaShow;
    dialog.m_strDayFile = args.panoramaDay.c_str();
    dialog.m_strMaskFile = args.panoramaMask.c_str();
    dialog.m_strNightFile = args.panoramaNight.c_str();
    dialog.m_nOpacity = args.panoramaOpacity;
    dialog.m_bCentreSouth = args.panoramaCentreSouth;
    const std::wstring pictures = args.appdata + L"LndPic\\";
    KeepNumber(session, L"show", L"Show", 1, dialog.m_bShow);
    KeepPath(session, L"day", L"DayFile", pictures + L"day.png", dialog.m_strDayFile);
    KeepPath(session, L"mask", L"MaskFile", pictures + L"mask.png", dialog.m_strMaskFile);
    KeepPath(session, L"night", L"NightFile", pictures + L"night.png", dialog.m_strNightFile);
    KeepNumber(session, L"opacity", L"Opacity", 100, dialog.m_nOpacity);
    KeepNumber(session, L"centresouth", L"CentreSouth", 1, dialog.m_bCentreSouth);

    const INT_PTR result = dialog.DoModal();
    if (result != IDOK)
        return result;
    JournalMember(session, L"Show", std::to_wstring(dialog.m_bShow));
    JournalMember(session, L"DayFile", dialog.m_strDayFile.GetString());
    JournalMember(session, L"MaskFile", dialog.m_strMaskFile.GetString());
    JournalMember(session, L"NightFile", dialog.m_strNightFile.GetString());
    JournalMember(session, L"NightFlag", std::to_wstring(dialog.m_bNightFile));
    JournalMember(session, L"Opacity", std::to_wstring(dialog.m_nOpacity));
    JournalMember(session, L"CentreSouth", std::to_wstring(dialog.m_bCentreSouth));
    CRegistry::Write(kPanoramaSection, L"Show", dialog.m_bShow, 1);
    CRegistry::Write(kPanoramaSection, L"DayFile", dialog.m_strDayFile);
    CRegistry::Write(kPanoramaSection, L"MaskFile", dialog.m_strMaskFile);
    CRegistry::Write(kPanoramaSection, L"NightFile", dialog.m_strNightFile);
    CRegistry::Write(kPanoramaSection, L"Opacity", dialog.m_nOpacity, 1);
    CRegistry::Write(kPanoramaSection, L"CentreSouth", dialog.m_bCentreSouth, 1);
    return result;
}

INT_PTR RunGeography(HostSession& session)
{
    CDlgGeography81 dialog(session.Channel(), session.Channel2(), session.Args().terrain, &session.Window());
    int shown = -1;
    dialog.SetExtDataInfoPtr(&shown);
    dialog.SetIsFlightMode(session.Args().flight);
    const INT_PTR result = dialog.DoModal();
    if (result == IDOK)
        JournalMember(session, L"Shown", std::to_wstring(shown));
    return result;
}

}  // namespace

void AddLandscapeDialogs(std::vector<DialogEntry>& catalog)
{
    catalog.push_back({L"CDlgPanorama", IDS_HOST_DLG_PANORAMA, &RunPanorama});
    catalog.push_back({L"CDlgGeography81", IDS_HOST_DLG_GEOGRAPHY, &RunGeography});
}

}  // namespace kivhost
