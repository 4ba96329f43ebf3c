#pragma once
#include "../../framework/PlatformTypes.h"
#include "../KadrelCoreApi.h"

// Makes the library's resource module current for its lifetime, so that
// dialog templates and cursors are taken from the library; the previous
// resource module comes back when it ends.
class KDCORE_API CKdLocalResource
{
public:
    CKdLocalResource();
    ~CKdLocalResource();
    CKdLocalResource(const CKdLocalResource& other) = default;
    CKdLocalResource& operator=(const CKdLocalResource& other) = default;

private:
    HINSTANCE m_hSaved;
};

// The module CKdLocalResource switches to; NULL restores the library's own.
extern "C" KDCORE_API void KdSetResourceHandle(HINSTANCE hInst);
