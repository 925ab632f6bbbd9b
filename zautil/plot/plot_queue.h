// plot.que: the plot files the suite's programs left for a job, in the
// job's directory. Header lines (":...", and the lines a ":PLOT.QUE:n"
// line claims) are kept as they stand; every other line names a plot file
// of the directory, as a name or a path, with an optional "# comment".
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "files/byte_source.h"

inline constexpr std::string_view kZaPlotQueueName = "plot.que";

class ZaPlotQueue {
public:
    // directory: where plot.que and its plot files are, ending in a separator.
    explicit ZaPlotQueue(std::string directory);

    const std::string& directory() const { return directory_; }
    const std::string& path() const { return path_; }

    // Reads plot.que; a missing one is an empty queue. False when it is there
    // but cannot be read: it is then never written over.
    bool load();
    // The lines of a queue file from any bytes.
    void read(zafiles::ByteSource& source);
    bool writable() const { return writable_; }

    // The listed plot files, in file order.
    std::size_t size() const { return listed_.size(); }
    const std::string& name(std::size_t entry) const { return lines_[listed_[entry]].name; }
    std::string fullPath(std::size_t entry) const { return directory_ + name(entry); }
    bool lists(std::string_view name) const;

    // A line of its own at the end; false when the name is listed already.
    bool add(std::string_view name);
    void remove(std::size_t entry);

    // Header lines, then the entries whose files still exist, CRLF; the
    // number of lines written, or nothing when the file could not be.
    std::optional<std::size_t> write() const;
    // What write() would write were every listed file there.
    std::string text() const;

private:
    struct Line {
        std::string text;  // as read, without its line end
        std::string name;  // of a listed entry; empty for a header line
        bool removed = false;
    };

    void readLines(std::string_view bytes);
    void take(std::string_view line);
    void hold(std::string text);
    std::string format(bool onlyExistingFiles, std::size_t& lines) const;

    std::string directory_;
    std::string path_;
    std::vector<Line> lines_;
    std::vector<std::size_t> listed_;  // lines_ of the listed entries
    std::unordered_set<std::string> names_;  // of the listed entries
    std::ptrdiff_t headerLinesDue_ = 0;
    bool writable_ = true;
};

// The name a queue line lists: the first word of a name, or the file name of
// a path, before any "#"; empty when the line names no file.
std::string_view zaPlotQueueEntryName(std::string_view line);
