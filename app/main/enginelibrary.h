// The engine library, bound by path from the program's folder for the length of one run.
#pragma once

#include <QLibrary>
#include <QString>
#include <cstdint>

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

    // The entry's progress callback, told `done` of `total` tip depths; nonzero stops the run.
    using DriveProgress = std::int32_t (*)(std::int32_t done, std::int32_t total, void* context);
    using DriveEntry = std::int32_t (*)(const char* request, DriveProgress progress, void* context);
    // The driveability entry point of the bound library; null in a library built before it had one.
    DriveEntry driveEntry();

  private:
    using Entry = std::int32_t (*)(std::int32_t);
    QLibrary library_;
    Entry entry_ = nullptr;
};

}  // namespace torve::app
