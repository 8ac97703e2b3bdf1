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

/* Told after each tip depth of a driveability run that `done` of `total` depths are driven;
   returning nonzero stops the run. Called on the thread that called ITORVE_DRIVE. The blows of the
   bearing graph at the pile's length count on after the depths, so that `total` is the number of
   depths and assumed resistances together, and a run can be stopped until its last blow. */
typedef int32_t (*TORVE_DRIVE_PROGRESS)(int32_t done, int32_t total, void* context);

/* Drives a project's pile with a hammer at several tip depths as the driveability request file at
   `request` (a path in the platform's file-name encoding) asks, and writes the driveability
   results file the request names (engine/driver/driveability_results_file.h). `progress` may be
   null. Results as ITORVE, and 5 when `progress` stopped the run: then no results file is left
   (one of an earlier run stays as it was). A null or empty `request` returns 1; a request file that
   cannot be read or used returns 2 and writes no results file, naming the line on the console. */
TORVE_EXPORT int32_t ITORVE_DRIVE(const char* request, TORVE_DRIVE_PROGRESS progress, void* context);

#ifdef __cplusplus
}
#endif

#endif
