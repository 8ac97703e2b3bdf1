// The engine library, bound by path from the program's folder for the length of one run.
#pragma once

#include <QLibrary>
#include <QString>
#include <cstdint>

#include "engine/driver/entry.h"

namespace torve::app {

// Binds TORVE2014_DLL and its entry point "_ITORVE", and on asking its driveability entry
// "ITORVE_DRIVE". A binding lasts from bind() to release() (or
// the end of the object), so a new build of the library beside the program is taken at the next run.
class EngineLibrary {
  public:
    // `directory` holds the library: the program's own folder in an installation.
    explicit EngineLibrary(const QString& directory);
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    bool isBound() const { return entry_ != nullptr; }
    // Loads the library and looks up the entry point; false, with nothing left bound, when either
    // cannot be had.
    bool bind();
    // Calls the entry point; the library must be bound.
    std::int32_t call(std::int32_t operation);
    void release();

    using DriveEntry = std::int32_t (*)(const char* request, TORVE_DRIVE_PROGRESS progress, void* context);
    // The driveability entry point of the bound library; null in a library built before it had one.
    DriveEntry driveEntry();

  private:
    using Entry = std::int32_t (*)(std::int32_t);
    QLibrary library_;
    Entry entry_ = nullptr;
};

}  // namespace torve::app
