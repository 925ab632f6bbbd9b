// Entities of a large text drawing converted ahead on several threads.
// The file is cut into ranges on line boundaries; each range is scanned on
// its own from the first group 0 it can trust, and the entities it meets
// are converted as the one-thread reader would. The reader then takes an
// entity from here only when it meets its type at the very place a range
// saw it, and only when that entity needed nothing the reader reports or
// keeps aside; everything else it reads itself. So the database, handles,
// order and repairs are those of a one-thread read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "dxf_text.h"

namespace zcad::dxf {

// One converted entity.
struct PreparedEntity {
    const char* type = nullptr;  // where its type's value line starts: the key
    const char* resume = nullptr;  // just past the value line of the group 0 that ends it
    std::string_view next;        // that group 0's value
    std::size_t lines = 0;        // lines from its type's code line to that group 0's
    std::uint64_t handle = 0;
    std::size_t listAt = 0;
    std::size_t listSize = 0;
    std::size_t degreesAt = 0;
    std::size_t degreesCount = 0;
    bool crlf = false;  // whether a line up to its end ended in CR LF
};

struct PreparedRange;

class ParallelEntities {
public:
    // Null when the text is too small or the machine has one core.
    static std::unique_ptr<ParallelEntities> start(std::string_view text, TextEncoding encoding);
    ParallelEntities(std::string_view text, TextEncoding encoding, unsigned threads, std::size_t rangeBytes);
    ~ParallelEntities();
    ParallelEntities(const ParallelEntities&) = delete;
    ParallelEntities& operator=(const ParallelEntities&) = delete;

    // The entity whose type value starts at `type`, or null. Keys asked
    // for must grow; ranges passed are let go.
    const PreparedEntity* find(const char* type);
    std::span<const std::uint8_t> list(const PreparedEntity& entity) const;
    // Angles whose degrees do not come back from their radians: (radians' bits, degrees).
    std::span<const std::pair<std::uint64_t, double>> degrees(const PreparedEntity& entity) const;
    // Ranges that had to be scanned again on the reader's thread.
    std::size_t rescanned() const { return rescanned_; }

private:
    void work();
    bool ready(std::size_t index);

    struct Shared;
    std::string_view text_;
    TextEncoding encoding_;
    std::vector<std::unique_ptr<PreparedRange>> ranges_;
    std::unique_ptr<Shared> shared_;
    std::size_t range_ = 0;  // the reader's range
    std::size_t entry_ = 0;
    std::size_t rescanned_ = 0;
};

// Threads that read large drawings and the size of their ranges: 0 lets
// the machine and the drawing decide. For tests.
void setDxfReaders(unsigned threads, std::size_t rangeBytes = 0);

}  // namespace zcad::dxf
