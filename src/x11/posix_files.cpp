#include "x11/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "x11/posix_unique_fd.h"

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates the folder and those above it that are missing. A part that exists but is no folder
// is left for the file's own open to report.
void MakeFolders(const std::string& folder) {
    for (auto slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
    }
    ::mkdir(folder.c_str(), 0700);
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno != EINTR) {
            return false;
        }
        text.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
    }
    return true;
}

// A new file beside path that nothing else uses, created with the usual permissions (umask).
UniqueFd CreateBeside(const std::string& path, std::string& created) {
    static unsigned attempt = 0;
    for (int tries = 0; tries < 100; ++tries) {
        created = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt++);
        UniqueFd fd(::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd || errno != EEXIST) {
            return fd;
        }
    }
    return UniqueFd();
}

// The rename lasts a crash only once the folder has reached the disk too. The file is in place
// by now, so a failure here is not reported: it would claim the old file had stayed.
void SyncFolder(const std::string& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd) {
        ::fsync(fd.get());
    }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    // Not blocking, so that a pipe under that name is turned down rather than waited on.
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (!fd || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count == 0) {
            return text;
        }
        if (count < 0 && errno != EINTR) {
            return std::nullopt;
        }
        text.append(buffer, count < 0 ? 0 : static_cast<std::size_t>(count));
    }
}

std::string WriteFileAtomically(const std::string& path, std::string_view text) {
    const std::string folder = FolderOf(path);
    MakeFolders(folder);
    std::string temporary;
    UniqueFd fd = CreateBeside(path, temporary);
    if (!fd) {
        return Reason(errno);
    }
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd.get(), old.st_mode & 07777);  // the user's choice of who may read it stays
    }
    if (!WriteAll(fd.get(), text) || ::fsync(fd.get()) != 0 || fd.Close() != 0 ||
        ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    SyncFolder(folder);
    return {};
}

std::string RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        return Reason(errno);
    }
    return {};
}
