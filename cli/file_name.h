// File names between the command line, which passes bytes, and the desktop core, which takes QString.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace torve::cli {

// The name as the desktop core opens it, decoded in the platform's file-name encoding; nothing when
// that encoding cannot carry it back to the same bytes (a name that is not UTF-8 on Linux), so that
// the file is refused by name instead of being missed or written under another name.
std::optional<QString> core_file_name(const std::string& bytes);

// The message for a name core_file_name refuses.
std::string unusable_file_name(const std::string& bytes);

// A name of the core as the platform spells it, for messages.
std::string native_file_name(const QString& name);

}  // namespace torve::cli
