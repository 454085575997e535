// Fuzz target for the parsers the dialogs run on host answers, typed text and files: the numbers
// of the data exchange, "#RRGGBB" colours, UTF-8 text and the camera catalogue. Each parser must
// take any input without a fault, and what it accepts must hold up: numbers are finite and read
// back to themselves, colours fit 24 bits, text holds no unpaired surrogate, and every camera
// belongs to a maker. (The state file's save and load are the engine target's.)
#include "platform/afx/TextParse.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void FuzzNumbers(const std::wstring& text)
{
    int integer = 0;
    if (kivparse::ParseInt(text.c_str(), integer)) {
        int again = ~integer;
        Check(kivparse::ParseInt(std::to_wstring(integer).c_str(), again) && again == integer);
    }
    unsigned int natural = 0;
    if (kivparse::ParseUInt(text.c_str(), natural)) {
        unsigned int again = ~natural;
        Check(kivparse::ParseUInt(std::to_wstring(natural).c_str(), again) && again == natural);
    }
    double real = 0.0;
    if (kivparse::ParseDouble(text.c_str(), real)) {
        Check(std::isfinite(real));
        wchar_t shown[64] = {};
        std::swprintf(shown, 64, L"%.17g", real);
        double again = 0.0;
        Check(kivparse::ParseDouble(shown, again) && again == real);
    }
    unsigned int rgb = 0;
    if (kivparse::ParseColor(text.c_str(), rgb))
        Check(rgb <= 0xFFFFFF && std::wcslen(text.c_str()) == 7);
}

void FuzzCatalog(const std::string& bytes)
{
    std::vector<kivparse::CatalogVendor> vendors;
    std::vector<kivparse::CatalogCamera> cameras;
    kivparse::ParseCatalog(bytes, vendors, cameras);
    size_t counted = 0;
    for (const kivparse::CatalogVendor& vendor : vendors) {
        Check(!vendor.name.empty() && vendor.cameraCount >= 0);
        counted += static_cast<size_t>(vendor.cameraCount);
    }
    Check(counted == cameras.size());
    for (const kivparse::CatalogCamera& camera : cameras) {
        Check(!camera.name.empty() && !camera.key.empty() && !camera.vendor.empty());
        Check(std::isfinite(camera.width) && std::isfinite(camera.height) && std::isfinite(camera.guiderDistance));
    }
}

void FuzzUtf8(const std::string& bytes, const std::wstring& text)
{
    // At most one unit per byte and two per four-byte sequence; never an unpaired surrogate.
    Check(text.size() <= bytes.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<std::uint32_t>(text[i]);
        Check(unit <= 0xFFFF);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            Check(i + 1 < text.size() && static_cast<std::uint32_t>(text[i + 1]) >= 0xDC00 &&
                  static_cast<std::uint32_t>(text[i + 1]) <= 0xDFFF);
            ++i;
        } else {
            Check(unit < 0xDC00 || unit > 0xDFFF);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = kivparse::FromUtf8(bytes);
    FuzzUtf8(bytes, text);
    FuzzNumbers(text);
    FuzzCatalog(bytes);
    return 0;
}
