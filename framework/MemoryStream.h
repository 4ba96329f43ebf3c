#pragma once
#include "PlatformTypes.h"

#include <objidl.h>

#include <cstring>

// A stream over a copy of some bytes, in movable global memory that the
// stream frees when it is released; NULL when memory is short.
inline IStream* CreateMemoryStream(const void* pData, size_t nSize)
{
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nSize ? nSize : 1);
    if (!hGlobal)
        return nullptr;
    void* p = ::GlobalLock(hGlobal);
    if (!p) {
        ::GlobalFree(hGlobal);
        return nullptr;
    }
    if (nSize)
        std::memcpy(p, pData, nSize);
    ::GlobalUnlock(hGlobal);
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream))) {
        ::GlobalFree(hGlobal);
        return nullptr;
    }
    return pStream;
}
