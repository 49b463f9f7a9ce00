#include "x11/posix_environment.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits>

#include "x11/posix_unique_fd.h"

std::string ExePath() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            return path;
        }
        path.resize(path.size() * 2);  // it may have been cut short: try a bigger buffer
    }
}

std::int32_t FileLength(const std::string& path) {
    // Opened to know it can be read; not blocking, so that a pipe is turned down at once.
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (!fd || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return -1;
    }
    constexpr auto Largest = std::numeric_limits<std::int32_t>::max();
    return status.st_size > Largest ? Largest : static_cast<std::int32_t>(status.st_size);
}
