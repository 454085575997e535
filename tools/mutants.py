#!/usr/bin/env python3
"""What the tests catch: small faults put into the module's code one at a time.

Each fault of the table below changes one place of the code (a statement's text or order, a clamp,
an enable rule, a registry key or default, a message, a query, a sort, a step, what Cancel does, a
guard). For each, the tool puts the fault in, rebuilds what it touches (incrementally), runs first
the tests most likely to catch it and then, if none failed, every test program that checks the
module's rules (stopping at the first failure), puts the code back and records whether a test
failed: the fault is then killed. A fault that does not build is a mistake of the table, reported
as broken. It prints one line per fault and "mutants: K killed of M".

    python3 tools/mutants.py [--build DIR] [--list] [NAME...]

Run it after the README's test command has built the tree (it uses build/win). A caught fault
takes 10 to 60 s on the 2-core build machine, the whole table about 15 minutes; NAME... runs only
those faults. The code is put back after every fault, also when the run is interrupted (Ctrl+C).
"""

import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# name, file, the text as the code has it, the text with the fault. The text must occur once.
FAULTS = [
    # The sky light dialog.
    ("twilight-strength-format", "dialogs/sky/DlgTwilight.cpp",
     'L"SkyLight.LightPollution.Strength = %.1f"', 'L"SkyLight.LightPollution.Strength = %.2f"'),
    ("twilight-strength-clamp", "dialogs/sky/DlgTwilight.cpp",
     "if (tenths > 10)\n        return 10;", "if (tenths > 9)\n        return 9;"),
    ("twilight-strength-enable", "dialogs/sky/DlgTwilight.cpp",
     "const BOOL pollutionOn = m_bView && m_chkLightPollution", "const BOOL pollutionOn = m_chkLightPollution"),
    ("twilight-no-refresh", "dialogs/sky/DlgTwilight.cpp",
     '    m_pChannel->Exec(L"Show Stellar");\n    EndDialog(IDOK);', "    EndDialog(IDOK);"),
    # The coordinate lines dialog.
    ("grid-interval-text", "dialogs/sky/DlgGrid.cpp", '        return L"5";', '        return L"6";'),
    ("grid-interval-radio", "dialogs/sky/DlgGrid.cpp", "    case 5:\n        return 1;", "    case 5:\n        return 2;"),
    ("grid-number-on-border", "dialogs/sky/DlgGrid.cpp",
     "kNumberOnBorder, m_nNumberPos != 0 && number", "kNumberOnBorder, m_nNumberPos == 0 && number"),
    ("grid-numberpos-key", "dialogs/sky/DlgGrid.cpp", 'L"NumberPos", m_nNumberPos, 1', 'L"NumberPosition", m_nNumberPos, 1'),
    ("grid-arrows-enable", "dialogs/sky/DlgGrid.cpp",
     'if (!IsSolarSystemView(m_pChannel->Exec(L"? View.Projection")))', 'if (IsSolarSystemView(m_pChannel->Exec(L"? View.Projection")))'),
    ("grid-marks-order", "dialogs/sky/DlgGrid.cpp",
     '    DoitVisible(L"GalacticCenterAndPole", m_bGalcenter);\n    DoitVisible(L"GalacticCenterAndPole.Name", m_bGalcenterName);\n',
     '    DoitVisible(L"GalacticCenterAndPole.Name", m_bGalcenterName);\n    DoitVisible(L"GalacticCenterAndPole", m_bGalcenter);\n'),
    # The satellite dialog.
    ("asat-pinned-first", "dialogs/satellite/DlgASat.cpp",
     "constexpr int kPinnedSatellite = 25544;", "constexpr int kPinnedSatellite = 25545;"),
    ("asat-magnitude-bound", "dialogs/satellite/SatelliteRules.cpp",
     "dMagnitude <= kSatMagnitudeMax;", "dMagnitude < kSatMagnitudeMax;"),
    ("asat-search-case", "dialogs/satellite/DlgASat.cpp", "    upper.MakeUpper();\n", ""),
    ("asat-history-size", "dialogs/satellite/SatelliteRules.h",
     "constexpr int kSatHistorySize = 5;", "constexpr int kSatHistorySize = 4;"),
    ("asat-cancel-forgets", "dialogs/satellite/DlgASat.cpp",
     "    SaveRemembered();\n    CZenDialog::OnCancel();", "    CZenDialog::OnCancel();"),
    ("asat-label-width", "dialogs/satellite/SatelliteRules.h",
     "constexpr int kSatLabelWidth = 32;", "constexpr int kSatLabelWidth = 30;"),
    ("asat-refresh-text", "dialogs/satellite/DlgASat.cpp", 'command += L"Show Sky;";', 'command += L"Show Stellar;";'),
    ("asat-stop-at-failed-number", "dialogs/satellite/DlgASat.cpp",
     "        rows.push_back(AskSatRow(p, visible));\n",
     "        rows.push_back(AskSatRow(p, visible));\n        if (rows.back().number == 0)\n            break;\n"),
    ("list-satellite-ceiling", "framework/module/ListCeilings.h",
     "kMaxSatellites = 1000000;", "kMaxSatellites = 100000;"),
    ("list-swarm-ceiling", "framework/module/ListCeilings.h", "kMaxSwarms = 100000;", "kMaxSwarms = 1000;"),
    # The meteor and spacecraft dialogs and their mark lists.
    ("meteor-step-threshold", "dialogs/meteor_spacecraft/DlgMeteor.cpp",
     "const int step = tenths < 100 ? 1 : 10;", "const int step = tenths <= 100 ? 1 : 10;"),
    ("meteor-multiplier-format", "dialogs/meteor_spacecraft/DlgMeteor.cpp",
     'L"Meteor.Multiplier = %.1f;"', 'L"Meteor.Multiplier = %.2f;"'),
    ("meteor-horizon-enable", "dialogs/meteor_spacecraft/DlgMeteor.cpp",
     '.CompareNoCase(L"Horizon") == 0;', '.CompareNoCase(L"Horizon") != 0;'),
    ("spacecraft-digit-groups", "dialogs/meteor_spacecraft/DlgSpacecraft.cpp",
     "for (int index = length - 3;", "for (int index = length - 4;"),
    ("spacecraft-half-second", "dialogs/meteor_spacecraft/DlgSpacecraft.cpp",
     "half.dSecond = 0.5;", "half.dSecond = 0.0;"),
    ("spacecraft-solar-only", "dialogs/meteor_spacecraft/DlgSpacecraft.cpp",
     '.CompareNoCase(L"SolarSystem") == 0;', '.CompareNoCase(L"SolarSystem") != 0;'),
    ("marks-language-columns", "dialogs/meteor_spacecraft/CheckListDialog.h",
     '            AppendStatement(strCommand, strPrefix, L".JapaneseName.Visible = True;");',
     '            AppendStatement(strCommand, strPrefix, L".JapaneseName.Visible = False;");'),
    ("marks-slot-edge", "dialogs/meteor_spacecraft/CheckColumnListBox.h",
     "CRect(header.left - 2 + inset,", "CRect(header.left + inset,"),
    ("marks-key-first-row", "dialogs/meteor_spacecraft/CheckColumnListBox.h",
     "column.chKey) || row < 0)", "column.chKey) || row < 1)"),
    # The field-of-view circle and the camera dialogs.
    ("vcircle-angle-format", "dialogs/fov/DlgVcircle.cpp",
     'L"FieldOfView.Angle = %.2f"', 'L"FieldOfView.Angle = %.1f"'),
    ("vcircle-eyepiece-key", "dialogs/fov/DlgVcircle.cpp",
     'kEyepieceKey[] = L"EyepieceFocalLength";', 'kEyepieceKey[] = L"EyepieceFocal";'),
    ("vcircle-coordinate-text", "dialogs/fov/DlgVcircle.cpp",
     'L"FieldOfView.Coordinate = EquatorialDateMean"', 'L"FieldOfView.Coordinate = EquatorialDate"'),
    ("vcircle-apply-range", "dialogs/fov/DlgVcircle.cpp",
     "if (ReportRealRange(m_dTrueField,", "if (false && ReportRealRange(m_dTrueField,"),
    ("vcircle-fine-step", "dialogs/fov/DlgVcircle.cpp",
     "dSize += dSize < 0.1 ? 0.01 : 0.1;", "dSize += 0.1;"),
    ("camera-field-formula", "dialogs/fov/CameraFrame.cpp",
     "std::atan2(dSize * 0.5, dFocal) * 2.0 * 180.0", "std::atan2(dSize, dFocal) * 180.0"),
    ("vfield-guider-format", "dialogs/fov/DlgVfield.cpp",
     'L"%sAngleOfField.Guider.Distance = %.1f"', 'L"%sAngleOfField.Guider.Distance = %.2f"'),
    ("vmosaic-overlap", "dialogs/fov/DlgVmosaic.cpp", "m_nOverlap / 100.0);", "m_nOverlap / 10.0);"),
    ("vmosaic-forgets-camera", "dialogs/fov/DlgVmosaic.cpp",
     "    CRegistry::Write(m_strSection, kCameraKey, frame.strKey);\n", ""),
    # The panorama and terrain dialogs.
    ("panorama-night-size", "dialogs/landscape/DlgPanorama.cpp",
     "(m_nNightWidth != m_nMaskWidth || m_nNightHeight != m_nMaskHeight)", "(m_nNightWidth != m_nMaskWidth)"),
    ("panorama-message-icon", "dialogs/landscape/DlgPanorama.cpp",
     "AfxMessageBox(idsProblem, MB_ICONINFORMATION);", "AfxMessageBox(idsProblem, MB_ICONEXCLAMATION);"),
    ("panorama-forgets-night", "dialogs/landscape/DlgPanorama.cpp",
     "    CRegistry::Write(m_strSection, kUseNightKey, m_bNightFile, 0);\n    EndDialog(IDOK);", "    EndDialog(IDOK);"),
    ("opacity-step-down", "dialogs/landscape/OpacityTrio.cpp",
     "nValue < nMin + nStep ? nMin : nValue - nStep;", "nValue < nMin + nStep ? nMin : nValue - 1;"),
    ("geography-radius-max", "dialogs/landscape/DlgGeography81.cpp",
     "constexpr int kMaxRadius = 300;", "constexpr int kMaxRadius = 299;"),
    ("geography-auto-altitude", "dialogs/landscape/DlgGeography81.cpp",
     "!m_bFlightMode && m_nAltitude == 0", "m_nAltitude == 0"),
    ("geography-brightness-format", "dialogs/landscape/DlgGeography81.cpp",
     'Landscape.Brightness = %.2f"', 'Landscape.Brightness = %.1f"'),
    # The additional data files.
    ("adf-delete-guard", "dialogs/adf/MiscDlg.cpp",
     "if (strFile.IsEmpty() || IsFileInList(strFile))", "if (strFile.IsEmpty())"),
    ("adf-delete-before-ok", "dialogs/adf/MiscDlg.cpp",
     "        m_arrDeleteFiles.Add(m_arrAdf[sel].m_strFile);",
     "        ::DeleteFileW(m_arrAdf[sel].m_strFile);\n        m_arrDeleteFiles.Add(m_arrAdf[sel].m_strFile);"),
    ("adf-init-count", "dialogs/adf/MiscDlg.cpp",
     'for (int n = 1; n <= kAdfSlotCount; ++n)\n        m_pChannel->ExecFormat(L"Init ADF.#%d", n);',
     'for (int n = 1; n < kAdfSlotCount; ++n)\n        m_pChannel->ExecFormat(L"Init ADF.#%d", n);'),
    ("adf-names-flag", "dialogs/adf/MiscDlg.cpp", "        if (m_bShowNames)\n", "        if (!m_bShowNames)\n"),
    ("adf-list-full", "dialogs/adf/MiscDlg.cpp",
     "if (m_arrAdf.GetSize() >= kAdfSlotCount) {", "if (m_arrAdf.GetSize() > kAdfSlotCount) {"),
    ("adf-comma-icon", "dialogs/adf/MiscDlg.cpp",
     "AfxMessageBox(IDS_MISC_COMMA_IN_PATH, MB_ICONEXCLAMATION);", "AfxMessageBox(IDS_MISC_COMMA_IN_PATH, MB_ICONINFORMATION);"),
    ("adf-old-values-stay", "dialogs/adf/MiscDlg.cpp", "    RecursiveRegDeleteKey(HKEY_CURRENT_USER, strKey);\n", ""),
    # The framework.
    ("doit-bool-text", "framework/kivcst/ZenDialog.cpp",
     'm_pChannel->Exec(strKey + (on ? L" = TRUE" : L" = FALSE"));', 'm_pChannel->Exec(strKey + (on ? L" = True" : L" = False"));'),
    ("ddx-failure-goes-on", "platform/afx/Wnd.cpp",
     "    } catch (const CUserException&) {\n", "    } catch (const CUserException&) {\n        ok = TRUE;\n"),
    ("ddx-message-icon", "platform/afx/DataExchange.cpp",
     "AfxMessageBox(lpszMessage, MB_ICONEXCLAMATION);", "AfxMessageBox(lpszMessage, MB_ICONINFORMATION);"),
    ("ddx-int-message", "framework/kivfw.rc", '0xF110 "整数を入力してください。"', '0xF110 "整数を入力して下さい。"'),
    ("registry-real-default", "framework/kivreg/Registry.cpp", "    *pdValue = dDefault;\n", "    *pdValue = 0.0;\n"),
    ("registry-dword-size", "framework/kivreg/Registry.cpp",
     "RRF_RT_REG_DWORD, &value, &size) || size != sizeof value)", "RRF_RT_REG_DWORD, &value, &size))"),
    ("calendar-gregorian-start", "framework/kivacl/Calendar.cpp",
     "kGregorianStart = 2299161;", "kGregorianStart = 2299160;"),
    ("scroll-min-thumb", "framework/kivcst/ZenScroll.cpp", "    thumbHeight = std::max(thumbHeight, nMinThumb);\n", ""),
]

# The test programs that check the module's rules; the scripted checks of the command line, the
# pictures, the layout and real key presses, fuzzing and the embedding example test other things
# and take minutes each.
TESTS = "dialog_tests|framework_tests|channel_tests|robustness_tests"

# Where each fault's killer is most likely: the test program and a GoogleTest filter, run first so
# that a killed fault costs seconds. A fault those tests do not catch gets the whole set.
HINTS = {
    "twilight": ("dialog_tests", "*Twilight*"),
    "grid": ("dialog_tests", "*Grid*"),
    "asat": ("dialog_tests", "*Sat*"),
    "list": ("dialog_tests", "*Sat*:*Catalogue*:*Spacecraft*:*Meteor*"),
    "meteor": ("dialog_tests", "*Meteor*"),
    "spacecraft": ("dialog_tests", "*Spacecraft*"),
    "marks": ("dialog_tests", "*Meteor*:*Spacecraft*:*Mark*"),
    "vcircle": ("dialog_tests", "*Vcircle*:*Circle*"),
    "camera": ("dialog_tests", "*Vfield*:*Vmosaic*:*Camera*"),
    "vfield": ("dialog_tests", "*Vfield*"),
    "vmosaic": ("dialog_tests", "*Vmosaic*:*Mosaic*"),
    "panorama": ("dialog_tests", "*Panorama*"),
    "opacity": ("dialog_tests", "*Panorama*:*Geography*:*Opacity*"),
    "geography": ("dialog_tests", "*Geography*"),
    "adf": ("dialog_tests", "*Adf*:*Misc*"),
    "doit": ("dialog_tests", "*Twilight*"),
    "ddx": ("framework_tests", "*Exchange*:*Number*:*Ddx*:*DDX*"),
    "registry": ("framework_tests", "*Registry*"),
    "calendar": ("framework_tests", "*Calendar*:*Jd*:*Date*"),
    "scroll": ("framework_tests", "*Scroll*"),
}


def run(args, cwd, timeout=None):
    return subprocess.run(args, cwd=cwd, capture_output=True, text=True, timeout=timeout)


def first_failure(output):
    for line in output.splitlines():
        if line.startswith("[  FAILED  ]"):
            return line[12:].strip().split()[0]
        if "***Failed" in line or "(Failed)" in line or "***Timeout" in line or "Exception" in line:
            return line.split(":", 1)[-1].strip().split()[0]
    return "a test"


def run_hint(name, build):
    hint = HINTS.get(name.split("-")[0])
    if not hint:
        return None
    program, pattern = hint
    bin_dir = os.path.join(build, "bin")
    tested = run([os.path.join(ROOT, "tools", "wine-run.sh"), os.path.join(build, "wineprefix"), "./" + program + ".exe",
                  "--gtest_filter=" + pattern, "--gtest_fail_fast"], bin_dir, timeout=1800)
    return first_failure(tested.stdout) if tested.returncode != 0 else None


def try_fault(fault, build):
    name, path, original, mutated = fault
    full = os.path.join(ROOT, path)
    with open(full, encoding="utf-8") as f:
        text = f.read()
    if text.count(original) != 1:
        return "stale", f"the text occurs {text.count(original)} times in {path}"
    try:
        with open(full, "w", encoding="utf-8") as f:
            f.write(text.replace(original, mutated))
        built = run(["cmake", "--build", build], ROOT)
        if built.returncode != 0:
            return "broken", "the fault does not build: " + path
        killer = run_hint(name, build)
        if killer:
            return "killed", "by " + killer
        env = dict(os.environ, GTEST_FAIL_FAST="1")
        tested = subprocess.run(["ctest", "--test-dir", build, "-R", TESTS, "--stop-on-failure", "--output-on-failure"],
                                cwd=ROOT, capture_output=True, text=True, timeout=3600, env=env)
        if tested.returncode != 0:
            return "killed", "by " + first_failure(tested.stdout)
        return "survived", ""
    finally:
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)
        # The file's old time would hide the restore from the build: give it a new one.
        os.utime(full, None)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "win"))
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    parser.add_argument("names", nargs="*")
    options = parser.parse_args()
    faults = [f for f in FAULTS if not options.names or f[0] in options.names]
    if options.list:
        for name, path, _, _ in faults:
            print(f"{name:32} {path}")
        return 0
    killed = 0
    for fault in faults:
        start = time.time()
        verdict, detail = try_fault(fault, options.build)
        killed += verdict == "killed"
        print(f"{verdict:8} {fault[0]:32} {detail} ({time.time() - start:.0f} s)", flush=True)
    run(["cmake", "--build", options.build], ROOT)
    print(f"mutants: {killed} killed of {len(faults)}")
    return 0 if killed == len(faults) else 1


sys.exit(main())
