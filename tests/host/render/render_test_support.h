// A host with a drawing to picture, and where its points land.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../commands/host_fixture.h"
#include "arx/acedads.h"
#include "picture_reader.h"
#include "render/sink.h"
#include "render/view.h"
#include "run_command.h"
#include "zcad/dxf.h"
#include "zcad/picture.h"

namespace zcad::testing {

// Collects what is drawn, in the units it is drawn in.
class RecordingSink : public render::Sink {
public:
    RecordingSink() : Sink(render::identityView()) {}
    void pen(const render::Rgb&, double) override {}
    void segment(const render::P2& a, const render::P2& b) override {
        keep(a);
        keep(b);
        ++strokes;
    }
    void area(std::span<const render::P2> corners, std::span<const std::uint32_t>, render::FillRule) override {
        for (const render::P2& p : corners) keep(p);
        ++fills;
    }
    void dot(const render::P2& at) override { keep(at); }
    double flatness() const override { return 1e-3; }

    std::vector<render::P2> points;
    render::Area box;
    int strokes = 0;
    int fills = 0;

private:
    void keep(const render::P2& p) {
        points.push_back(p);
        box.add(p);
    }
};

class RenderTest : public HostTest {
protected:
    // Pictures of 800 by 600 showing x 0..100, y 0..75 unless told otherwise.
    static constexpr PictureWindow kWindow{0, 0, 100, 75};

    std::string file(const std::string& name) const { return (dir_ / name).string(); }

    Png draw(const std::string& name, PictureOptions options = standard()) {
        std::string error;
        const std::string path = file(name);
        EXPECT_TRUE(writePicture(db(), path, options, error)) << error;
        return Png(path);
    }

    static PictureOptions standard() {
        PictureOptions options;
        options.width = 800;
        options.height = 600;
        options.window = kWindow;
        return options;
    }

    static render::P2 px(double x, double y) {
        render::Area area;
        area.add({kWindow.x1, kWindow.y1});
        area.add({kWindow.x2, kWindow.y2});
        return render::fitView(area, 800, 600).toPicture(x, y);
    }

    bool inkAt(const Png& png, double x, double y, const render::Rgb& colour) {
        const render::P2 p = px(x, y);
        return png.inkNear(p.x, p.y, colour);
    }

    void addLayer(const std::string& name, int colour, int flags = 0) {
        TableRecord record;
        record.groups = {OwnedGroup::string(2, name), OwnedGroup::integral(70, flags), OwnedGroup::integral(62, colour),
                         OwnedGroup::string(6, "CONTINUOUS")};
        db().layers().add(std::move(record));
    }

    // Runs `script` (Python with ezdxf; `sys.argv[1]` is where it saves) and
    // makes the drawing it wrote the current one.
    void loadFromEzdxf(const std::string& name, const std::string& script) {
        const std::string py = file(name + ".py");
        const std::string dxf = file(name + ".dxf");
        {
            std::FILE* out = std::fopen(py.c_str(), "w");
            ASSERT_NE(out, nullptr);
            std::fputs(("import ezdxf, sys\n" + script).c_str(), out);
            std::fclose(out);
        }
        int status = 0;
        const std::string made = runCommand("/usr/bin/python3 " + py + " " + dxf, status);
        ASSERT_EQ(status, 0) << made;
        std::string error;
        auto loaded = readDxf(dxf, error);
        ASSERT_TRUE(loaded) << error;
        replaceCurrentDatabase(std::move(loaded));
    }

    // Picture pixels with ink of any colour, within `radius` of (x, y) in drawing units.
    static bool anyInkAt(const Png& png, double x, double y, int radius = 1) {
        const render::P2 p = px(x, y);
        const render::Rgb ground = png.at(0, 0);
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                const render::Rgb c = png.at(static_cast<int>(std::lround(p.x)) + dx, static_cast<int>(std::lround(p.y)) + dy);
                if (std::abs(c.r - ground.r) + std::abs(c.g - ground.g) + std::abs(c.b - ground.b) > 90) return true;
            }
        }
        return false;
    }

    static constexpr render::Rgb kRed{255, 0, 0};
    static constexpr render::Rgb kGreen{0, 255, 0};
    static constexpr render::Rgb kBlue{0, 0, 255};
    static constexpr render::Rgb kCyan{0, 255, 255};
    static constexpr render::Rgb kMagenta{255, 0, 255};
    static constexpr render::Rgb kInk{0, 0, 0};

private:
    std::filesystem::path dir_ = [] {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        auto dir = std::filesystem::temp_directory_path() / ("zcad_render_" + std::string(info->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }();
};

}  // namespace zcad::testing
