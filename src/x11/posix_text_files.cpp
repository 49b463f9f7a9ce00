#include "x11/posix_text_files.h"

#include "x11/posix_environment.h"
#include "x11/posix_files.h"

std::optional<std::string> PosixTextFiles::Read(const std::string& path) {
    return ReadWholeFile(path);
}

std::string PosixTextFiles::Replace(const std::string& path, const std::string& text) {
    return WriteFileAtomically(path, text);
}

std::string PosixTextFiles::Remove(const std::string& path) {
    return RemoveFile(path);
}

std::int32_t PosixTextFiles::Length(const std::string& path) {
    return FileLength(path);
}
