// The blocks a loaded drawing keeps, for drawing its INSERTs: each block's
// entities read into a drawing of their own when first asked for.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "zcad/database.h"

namespace zcad::render {

struct Block {
    double base[3] = {0, 0, 0};
    std::unique_ptr<Database> entities;  // null when the block's entities could not be read
};

class BlockLibrary {
public:
    explicit BlockLibrary(const Database& drawing);
    // The block of that name (any case), or null when the drawing has none.
    // Safe to call from several threads.
    const Block* find(std::string_view name);

private:
    struct Source {
        std::size_t first = 0;  // its entities among the kept groups
        std::size_t count = 0;
        double base[3] = {0, 0, 0};
        bool read = false;
        Block block;
    };
    void index();
    void read(Source& source);

    const Database& drawing_;
    std::mutex mutex_;
    std::unordered_map<std::string, Source> sources_;  // by upper-case name
};

}  // namespace zcad::render
