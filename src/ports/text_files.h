#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Whole text files of the user's, as the settings file and the autostart entry need them. Paths
// and texts are UTF-8; a failure comes back as the system's words for it, for the program to say.
class TextFiles {
  public:
    virtual ~TextFiles() = default;
    // The file's whole text; nothing when it is missing or cannot be read.
    virtual std::optional<std::string> Read(const std::string& path) = 0;
    // Makes `text` the file's whole text, creating its folders as needed, or leaves the old file
    // as it was: empty when it worked, else why not.
    virtual std::string Replace(const std::string& path, const std::string& text) = 0;
    // Removes the file (one that is gone already counts): empty when it worked, else why not.
    virtual std::string Remove(const std::string& path) = 0;
    // The length in bytes of an existing, readable file, else -1.
    virtual std::int32_t Length(const std::string& path) = 0;
};
