// The parsers that the framework runs on host answers, typed text and catalogue files, in plain
// C++ without the platform, so that they also build natively and are fuzzed there.
#pragma once

#include <string>
#include <vector>

namespace kivparse {

// A decimal integer with optional blanks around it; false for anything else or out of range.
bool ParseInt(const wchar_t* text, int& value);
// The same without a sign, up to 4294967295.
bool ParseUInt(const wchar_t* text, unsigned int& value);
// A plain decimal number (no hexadecimal, infinity or NaN) with optional blanks around it.
bool ParseDouble(const wchar_t* text, double& value);
// "#RRGGBB" exactly; rgb receives 0xRRGGBB.
bool ParseColor(const wchar_t* text, unsigned int& rgb);

// UTF-8 bytes as UTF-16 code units, one per wchar_t; a byte order mark is skipped, and bytes that
// are no UTF-8 become U+FFFD.
std::wstring FromUtf8(const std::string& bytes);

struct CatalogVendor {
    std::wstring name;
    int cameraCount = 0;
};

struct CatalogCamera {
    std::wstring vendor, name, key;
    double width = 0.0, height = 0.0, guiderDistance = -1.0, guiderWidth = 0.0, guiderHeight = 0.0;
};

// The camera catalogue's text: "vendor<TAB>name" lines start a maker, "camera<TAB>..." lines with
// a display name, a key and five sizes add a camera to the last maker; other lines are skipped.
void ParseCatalog(const std::string& bytes, std::vector<CatalogVendor>& vendors, std::vector<CatalogCamera>& cameras);

}  // namespace kivparse
