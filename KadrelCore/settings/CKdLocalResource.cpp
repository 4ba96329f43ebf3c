#include "CKdLocalResource.h"

#include "../../framework/CWnd.h"

namespace {

// The library's extension-module record: its own module and the module its
// resources are taken from.
struct KdModuleRecord
{
    HINSTANCE hModule = nullptr;
    HINSTANCE hResource = nullptr;
};

KdModuleRecord& ModuleRecord()
{
    static KdModuleRecord record;
    return record;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE hInst, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        ModuleRecord().hModule = hInst;
        ModuleRecord().hResource = hInst;
        ::DisableThreadLibraryCalls(hInst);
    }
    return TRUE;
}

void KdSetResourceHandle(HINSTANCE hInst)
{
    ModuleRecord().hResource = hInst ? hInst : ModuleRecord().hModule;
}

CKdLocalResource::CKdLocalResource()
    : m_hSaved(AfxGetResourceHandle())
{
    AfxSetResourceHandle(ModuleRecord().hResource);
}

CKdLocalResource::~CKdLocalResource()
{
    AfxSetResourceHandle(m_hSaved);
}
