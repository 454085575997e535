#include "framework/kivcst/ZenSkin.h"

#include "framework/kivreg/Registry.h"

namespace ZenSkin {

HBRUSH BackBrush()
{
    static const HBRUSH brush = ::CreateSolidBrush(kBack);
    return brush;
}

HBRUSH FieldBrush()
{
    static const HBRUSH brush = ::CreateSolidBrush(kFieldBack);
    return brush;
}

BOOL ReadSystemLook()
{
    int scheme = 0;
    CRegistry::Read(L"General", L"ColorScheme", 0, &scheme, 1);
    return scheme != 0 ? TRUE : FALSE;
}

}  // namespace ZenSkin
