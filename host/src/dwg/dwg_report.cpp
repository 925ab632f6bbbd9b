#include "dwg_report.h"

#include <charconv>

namespace zcad {

namespace {

constexpr std::size_t kLongestReason = 300;

bool number(std::string_view text, long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

std::string_view trimmedLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

// Printable ASCII and UTF-8 only: the reason lands in a message line.
std::string shown(std::string_view text) {
    std::string out;
    for (const char c : text.substr(0, kLongestReason)) out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    return out;
}

template <typename Each>
void forEachLine(std::string_view text, Each each) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        each(trimmedLine(text.substr(0, end)));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

}  // namespace

DwgReport parseDwgReport(std::string_view text) {
    DwgReport report;
    forEachLine(text, [&](std::string_view line) {
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos) return;
        const std::string_view key = line.substr(0, blank);
        const std::string_view rest = trimmedLine(line.substr(blank + 1));
        long value = 0;
        if (key == "release" && !rest.empty()) {
            report.release = shown(rest);
        } else if (key == "entities" && number(rest, value)) {
            report.entities = value;
        } else if (key == "lost") {
            const std::size_t gap = rest.rfind(' ');
            if (gap != std::string_view::npos && gap > 0 && number(rest.substr(gap + 1), value) && value > 0)
                report.lost.emplace_back(shown(trimmedLine(rest.substr(0, gap))), value);
        }
    });
    return report;
}

std::string helperReason(std::string_view err) {
    constexpr std::string_view kOwn = "zcad-dwg: ";
    std::string_view own, last;
    forEachLine(err, [&](std::string_view line) {
        if (line.empty()) return;
        last = line;
        if (line.starts_with(kOwn)) own = line.substr(kOwn.size());
    });
    return shown(own.empty() ? last : own);
}

std::string describeDwgReport(const DwgReport& report) {
    std::string text = "DWG " + (report.release.empty() ? std::string("of an unnamed release") : report.release) +
                       " converted to DXF";
    if (report.entities >= 0) text += ": " + std::to_string(report.entities) + " entities";
    if (report.lost.empty()) return text + "; every kind converted";
    text += "; not converted: ";
    for (std::size_t i = 0; i < report.lost.size(); ++i) {
        if (i) text += ", ";
        text += report.lost[i].first + " " + std::to_string(report.lost[i].second);
    }
    return text;
}

}  // namespace zcad
