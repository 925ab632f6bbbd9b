// A save whose file stops growing part way, and a sink that refuses a
// piece: the write stops there, says so, and leaves nothing behind.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dxf/dxf_writer.h"
#include "zcad/dxf.h"

namespace {

namespace fs = std::filesystem;

zcad::Database manyPoints(int count) {
    zcad::Database db;
    std::vector<std::uint8_t> list;
    for (int i = 0; i < count; ++i) {
        list.clear();
        zcad::GroupWriter writer(list);
        writer.string(0, "POINT");
        writer.string(8, "0");
        writer.point(10, i * 1.25, i * 0.5, 0.0);
        db.append(list);
    }
    return db;
}

TEST(WriteFailure, AFileThatStopsGrowingLeavesTheTargetAsItWas) {
    const auto dir = fs::temp_directory_path() / ("zcad_write_failure_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const auto target = dir / "drawing.dxf";
    std::ofstream(target) << "old";
    const zcad::Database db = manyPoints(50000);

    // As a full disk would: writes past 1 MiB fail (with EFBIG, the signal ignored).
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = 1 << 20;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    std::string error;
    const bool saved = zcad::writeDxf(target.string(), db, nullptr, error);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousSignal);

    EXPECT_FALSE(saved);
    EXPECT_EQ(error, "cannot save " + target.string() + ": cannot write the drawing (" + std::strerror(EFBIG) + ")");
    std::stringstream kept;
    kept << std::ifstream(target).rdbuf();
    EXPECT_EQ(kept.str(), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

// The sink is not called again once it refused, on one thread or several.
TEST(WriteFailure, ASinkThatRefusesAPieceEndsTheWrite) {
    const zcad::Database db = manyPoints(40000);
    for (const unsigned writers : {1u, 3u}) {
        zcad::dxf::setEntityWriters(writers);
        for (int refuseAt = 1; refuseAt <= 6; ++refuseAt) {
            int pieces = 0;
            bool calledAfterRefusal = false;
            const bool written = zcad::writeDxfTo(db, nullptr, [&](std::string_view) {
                calledAfterRefusal = calledAfterRefusal || pieces >= refuseAt;
                return ++pieces < refuseAt;
            });
            EXPECT_FALSE(written) << writers << " writers, refused piece " << refuseAt;
            EXPECT_EQ(pieces, refuseAt);
            EXPECT_FALSE(calledAfterRefusal);
        }
    }
    zcad::dxf::setEntityWriters(0);
}

}  // namespace
