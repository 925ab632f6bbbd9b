#include "dxf_version.h"

#include <array>

#include "text/number_text.h"
#include "zcad/text.h"

namespace zcad {

namespace {

struct Release {
    DxfVersion version;
    const char* name;
    const char* acadver;
};

constexpr std::array<Release, 7> kReleases = {{
    {DxfVersion::R12, "R12", "AC1009"},
    {DxfVersion::R2000, "R2000", "AC1015"},
    {DxfVersion::R2004, "R2004", "AC1018"},
    {DxfVersion::R2007, "R2007", "AC1021"},
    {DxfVersion::R2010, "R2010", "AC1024"},
    {DxfVersion::R2013, "R2013", "AC1027"},
    {DxfVersion::R2018, "R2018", "AC1032"},
}};

}  // namespace

bool parseDxfVersion(const std::string& text, DxfVersion& version) {
    for (const auto& release : kReleases) {
        if (equalNoCase(text, release.name) || equalNoCase(text, release.acadver)) {
            version = release.version;
            return true;
        }
    }
    return false;
}

const char* dxfVersionName(DxfVersion version) {
    for (const auto& release : kReleases) {
        if (release.version == version) return release.name;
    }
    return "R12";
}

namespace dxf {

namespace {

// Releases before R10 named themselves "AC1.40", "AC2.10" and so on; their
// drawings are built like R12's.
bool isEarlyRelease(std::string_view acadver) {
    if (acadver.size() < 5 || !equalNoCase(acadver.substr(0, 2), "AC") || acadver[3] != '.') return false;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!digit(acadver[2])) return false;
    for (const char c : acadver.substr(4)) {
        if (!digit(c)) return false;
    }
    return true;
}

}  // namespace

const char* acadverOf(DxfVersion version) {
    for (const auto& release : kReleases) {
        if (release.version == version) return release.acadver;
    }
    return "AC1009";
}

bool releaseOfAcadver(std::string_view acadver, DxfVersion& version) {
    acadver = trimmed(acadver);
    if (isEarlyRelease(acadver)) {
        version = DxfVersion::R12;
        return true;
    }
    if (acadver.size() != 6 || !equalNoCase(acadver.substr(0, 2), "AC")) return false;
    std::int64_t number = 0;
    if (!parseInteger(acadver.substr(2), number)) return false;
    if (number < 1001) return false;
    if (number <= 1009) {
        version = DxfVersion::R12;
        return true;
    }
    for (const auto& release : kReleases) {
        std::int64_t code = 0;
        parseInteger(std::string_view(release.acadver).substr(2), code);
        if (code >= number && release.version != DxfVersion::R12) {
            version = release.version;
            return true;
        }
    }
    return false;
}

bool isUtf8Release(DxfVersion version) { return version >= DxfVersion::R2007; }

bool canConvert(DxfVersion from, DxfVersion to) { return from == to || from != DxfVersion::R12; }

}  // namespace dxf
}  // namespace zcad
