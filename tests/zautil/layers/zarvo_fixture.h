// A host with captured output, scripted dialog answers, and a private
// registry store and installation directory (ZARV$PROG) for each test; the
// settings a test changes are put back after it.
#pragma once

#include "geometry/point.h"

#include <platform/test_driver.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "host_fixture.h"
#include "settings/settings_record.h"
#include "zcad/group_list.h"

class ZarvoTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        savedSettings_ = zaSettings();
        std::string templ = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/zaplot-XXXXXX" : "/tmp/zaplot-XXXXXX";
        dir_ = std::string(::mkdtemp(templ.data())) + "/";
        install_ = dir_ + "zarvo/";
        std::filesystem::create_directories(install_);
        ::setenv("ZARVO_REGISTRY", (dir_ + "registry.reg").c_str(), 1);
        ::setenv("ZARV$PROG", install_.c_str(), 1);
        scopedDriver_.emplace(driver_);
    }
    void TearDown() override {
        scopedDriver_.reset();
        ::unsetenv("ZARVO_REGISTRY");
        ::unsetenv("ZARV$PROG");
        std::filesystem::remove_all(dir_);
        zaSettings() = savedSettings_;
        HostTest::TearDown();
    }
    // A relative name is in the test's directory.
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string path = name.front() == '/' ? name : dir_ + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool printed(const std::string& text) const { return output_.find(text) != std::string::npos; }
    zplat::TestDriver& driver() { return driver_; }

    std::string dir_;
    std::string install_;

private:
    zplat::TestDriver driver_;
    std::optional<zplat::ScopedDialogDriver> scopedDriver_;
    ZaSettings savedSettings_;
};

// One entity of the drawing as the host stores it.
struct Stored {
    std::string type;
    std::vector<zcad::Group> groups;  // views into the drawing's storage

    const zcad::Group* at(int code) const { return zcad::findGroup(groups, code); }
    std::string text(int code) const { return at(code) ? std::string(at(code)->text) : "<none>"; }
    double real(int code) const { return at(code) ? at(code)->real() : -999; }
    std::int64_t integer(int code) const { return at(code) ? at(code)->integer : -999; }
    ZaPoint point(int code) const {
        const zcad::Group* g = at(code);
        return g ? ZaPoint{g->xyz[0], g->xyz[1], g->xyz[2]} : ZaPoint{-999, -999, -999};
    }
};

inline std::vector<Stored> storedEntities() {
    const zcad::Database& db = zcad::currentDatabase();
    std::vector<Stored> all;
    for (auto id = db.next(zcad::kNoEntity); id != zcad::kNoEntity; id = db.next(id))
        all.push_back({std::string(db.type(id)), zcad::decodeGroups(db.list(id))});
    return all;
}

// Every entity's type and list as the drawing stores them, in order: two
// drawings made alike compare equal byte for byte.
inline std::string storedBytes() {
    const zcad::Database& db = zcad::currentDatabase();
    std::string bytes;
    for (auto id = db.next(zcad::kNoEntity); id != zcad::kNoEntity; id = db.next(id)) {
        bytes += db.type(id);
        const auto list = db.list(id);
        bytes.append(reinterpret_cast<const char*>(list.data()), list.size());
    }
    return bytes;
}

inline std::string storedTypes() {
    std::string types;
    for (const Stored& e : storedEntities()) types += e.type + " ";
    return types;
}

// Group 62 of a layer of the drawing, 0 when it has none.
inline std::int64_t layerColour(const char* name) {
    const zcad::TableRecord* layer = zcad::currentDatabase().layers().find(name);
    const zcad::OwnedGroup* colour = layer ? layer->find(62) : nullptr;
    return colour ? colour->integer : 0;
}
