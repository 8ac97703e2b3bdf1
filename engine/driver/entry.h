/* C entry point of the TORVE2014_DLL engine library. */
#ifndef TORVE_ENGINE_ENTRY_H
#define TORVE_ENGINE_ENTRY_H

#include <stdint.h>

#if defined(__GNUC__)
#define TORVE_EXPORT __attribute__((visibility("default")))
#else
#define TORVE_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Runs one analysis when `operation` is 3, with the files named by "names.dat" in the current
   directory; any other value returns 1 at once and touches no file. Results: 0 completed (also a
   run stopped by its own soil-extent or segment check), 1 bad argument, 2 input error, 3 output
   error, 4 internal error. Exported as ITORVE and under the decorated name _ITORVE. */
TORVE_EXPORT int32_t ITORVE(int32_t operation);

#ifdef __cplusplus
}
#endif

#endif
