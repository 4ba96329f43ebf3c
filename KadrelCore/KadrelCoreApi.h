#pragma once

// Marks what KadrelCore.dll exports. The native build of the portable code
// is a plain static library and needs no marking.
#if defined(_WIN32)
#  ifdef KADRELCORE_EXPORTS
#    define KDCORE_API __declspec(dllexport)
#  else
#    define KDCORE_API __declspec(dllimport)
#  endif
#else
#  define KDCORE_API
#endif
