#include "plot/plot_queue.h"

#include <algorithm>
#include <array>

#include "files/c_numbers.h"
#include "files/file_tests.h"
#include "files/replace_file.h"
#include "files/text_rules.h"

namespace {

constexpr std::string_view kCountedHeader = ":PLOT.QUE";
// Lines a ":PLOT.QUE" header claims when it gives no number.
constexpr std::int32_t kDefaultHeaderLines = 3;
constexpr std::string_view kLineEnd = "\r\n";

// ":%d" after the header's name.
std::int32_t headerLines(std::string_view rest) {
    if (!rest.starts_with(':')) return kDefaultHeaderLines;
    rest.remove_prefix(1);
    const auto count = zafiles::takeCInt(rest);
    return count ? std::max(*count, std::int32_t{0}) : kDefaultHeaderLines;
}

std::string bytesOf(zafiles::ByteSource& source) {
    std::string bytes;
    std::array<char, 64 * 1024> block{};
    while (const std::size_t got = source.read(block)) bytes.append(block.data(), got);
    return bytes;
}

}  // namespace

std::string_view zaPlotQueueEntryName(std::string_view line) {
    line = line.substr(0, line.find('#'));
    const auto separator = line.find_last_of("\\/");
    if (separator != std::string_view::npos) return zafiles::trimTrailingSpaces(line.substr(separator + 1));
    return line.substr(0, line.find(' '));
}

ZaPlotQueue::ZaPlotQueue(std::string directory)
    : directory_(std::move(directory)), path_(directory_ + std::string(kZaPlotQueueName)) {}

bool ZaPlotQueue::load() {
    if (!zafiles::isFile(path_)) return true;
    const auto source = zafiles::openFileSource(path_);
    if (!source) {
        writable_ = false;
        return false;
    }
    read(*source);
    return true;
}

void ZaPlotQueue::read(zafiles::ByteSource& source) {
    lines_.clear();
    listed_.clear();
    names_.clear();
    headerLinesDue_ = 0;
    readLines(bytesOf(source));
}

// A line ends at LF, with a CR before it; a NUL ends its text, as it did for
// the suite's readers.
void ZaPlotQueue::readLines(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto feed = bytes.find('\n');
        std::string_view line = bytes.substr(0, feed);
        bytes = feed == std::string_view::npos ? std::string_view{} : bytes.substr(feed + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        take(line.substr(0, line.find('\0')));
    }
}

void ZaPlotQueue::hold(std::string text) { lines_.push_back({std::move(text), {}, false}); }

// Empty lines and lines that begin with a space name nothing and are not
// written back; nor is a second line naming a file already listed, so that
// taking the file out of the queue takes it out for good.
void ZaPlotQueue::take(std::string_view line) {
    std::string text(line);
    std::replace(text.begin(), text.end(), '\r', ' ');
    // The lines a header claims are kept even when empty: dropped, they
    // would let the header claim the entry after them when written back.
    if (headerLinesDue_ > 0) {
        --headerLinesDue_;
        hold(std::move(text));
        return;
    }
    if (text.empty() || text.front() == ' ') return;
    if (text.front() == ':') {
        if (text.starts_with(kCountedHeader)) headerLinesDue_ = headerLines(std::string_view(text).substr(kCountedHeader.size()));
        hold(std::move(text));
        return;
    }
    const std::string_view name = zaPlotQueueEntryName(text);
    // A comment alone names no file: kept, not listed.
    if (name.empty()) {
        hold(std::move(text));
        return;
    }
    if (lists(name)) return;
    std::string listed(name);
    names_.insert(listed);
    listed_.push_back(lines_.size());
    lines_.push_back({std::move(text), std::move(listed), false});
}

bool ZaPlotQueue::lists(std::string_view name) const { return names_.contains(std::string(name)); }

bool ZaPlotQueue::add(std::string_view name) {
    if (name.empty() || lists(name)) return false;
    names_.insert(std::string(name));
    listed_.push_back(lines_.size());
    lines_.push_back({std::string(name), std::string(name), false});
    return true;
}

void ZaPlotQueue::remove(std::size_t entry) {
    if (entry >= listed_.size()) return;
    Line& line = lines_[listed_[entry]];
    line.removed = true;
    names_.erase(line.name);
    listed_.erase(listed_.begin() + static_cast<std::ptrdiff_t>(entry));
}

// Each line as it was read: never a blank more for its line end, however
// often the queue is written.
std::string ZaPlotQueue::format(bool onlyExistingFiles, std::size_t& lines) const {
    std::string out;
    lines = 0;
    for (const Line& line : lines_) {
        if (line.removed) continue;
        if (onlyExistingFiles && !line.name.empty() && !zafiles::isFile(directory_ + line.name)) continue;
        out += line.text;
        out += kLineEnd;
        ++lines;
    }
    return out;
}

std::string ZaPlotQueue::text() const {
    std::size_t lines = 0;
    return format(false, lines);
}

std::optional<std::size_t> ZaPlotQueue::write() const {
    std::size_t lines = 0;
    if (!zafiles::replaceFile(path_, format(true, lines))) return std::nullopt;
    return lines;
}
