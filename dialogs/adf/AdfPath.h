// The path forms of the additional data files: the short form the list stores and the host is
// told, and the long form the user is shown.
#pragma once

#include "platform/afx/CString.h"
#include "framework/module/ModuleExport.h"

// The short (8.3) form of a path. Where the system gives none (a missing file, a volume without
// short names) the path serves unchanged, so that the entry still names its file.
KIVD04_API CString AdfShortPath(const CString& strPath);
// The long form of a path; "" when the system cannot give it (a missing file).
KIVD04_API CString AdfLongPath(const CString& strPath);
