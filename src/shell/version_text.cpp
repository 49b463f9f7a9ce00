#include "shell/version_text.h"

#include "build_version.h"

namespace {

// Strings are joined from the left throughout: GCC 12 misreports a literal put in front of a
// temporary string as an overlapping copy.
std::string StageSuffix(const char* stage, int step) {
    return step > 0 ? std::string(stage) + " " + std::to_string(step) : std::string(stage);
}

std::string RevisionSuffix(int r) {
    if (r >= 1 && r <= 26) {
        return std::string(".") + std::to_string(r);
    }
    if (r >= 1000 && r <= 1999) {
        return StageSuffix(" Alpha", r - 1000);
    }
    if (r >= 100 && r <= 199) {
        return StageSuffix(" Beta", r - 100);
    }
    if (r >= 2000 && r <= 2999) {
        return StageSuffix(" Beta", r - 2000);
    }
    if (r == 255 || r == 9999) {
        return "\xC3\x9F";  // U+00DF, the release-candidate mark
    }
    return {};
}

}  // namespace

std::string VersionText(int major, int minor, int revision) {
    // Always two characters: 5 -> "05", 123 -> "23".
    const std::string minorDigits = "00" + std::to_string(minor);
    return std::to_string(major) + "." + minorDigits.substr(minorDigits.size() - 2) +
           RevisionSuffix(revision);
}

std::string GetVersionText() {
    return VersionText(build_version::Major, build_version::Minor, build_version::Revision);
}
