// Binding the engine library.
#include "app/main/enginelibrary.h"

#include <QDir>

namespace torve::app {

EngineLibrary::EngineLibrary(const QString& directory)
    : library_(QDir(directory).filePath(QStringLiteral("TORVE2014_DLL"))) {}

EngineLibrary::~EngineLibrary() {
    release();
}

bool EngineLibrary::bind() {
    if (isBound()) return true;
    if (!library_.load()) return false;
    entry_ = reinterpret_cast<Entry>(library_.resolve("_ITORVE"));
    if (!entry_) library_.unload();
    return isBound();
}

std::int32_t EngineLibrary::call(std::int32_t operation) {
    return entry_(operation);
}

EngineLibrary::DriveEntry EngineLibrary::driveEntry() {
    if (!isBound()) return nullptr;
    return reinterpret_cast<DriveEntry>(library_.resolve("ITORVE_DRIVE"));
}

void EngineLibrary::release() {
    if (!library_.isLoaded()) return;
    entry_ = nullptr;
    library_.unload();
}

}  // namespace torve::app
