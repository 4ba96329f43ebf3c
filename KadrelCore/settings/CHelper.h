#pragma once
#include "../../framework/CString.h"
#include "../KadrelCoreApi.h"

class KDCORE_API CHelper
{
public:
    // Folder of the running program's executable, with a trailing
    // separator ('\' on Windows, '/' on the native build).
    static CString GetAppPath();
};
