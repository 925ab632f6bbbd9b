// Starting programs, the help viewer, sounds and the debug stream.
#include <platform/services.h>

#include "services/command_line.h"

#include <zcad/console.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

TEST(CommandLine, SplitsAsWindowsProgramsDo) {
    using V = std::vector<std::string>;
    EXPECT_EQ(zplat::splitCommandLine("prog a  b"), (V{"prog", "a", "b"}));
    EXPECT_EQ(zplat::splitCommandLine("\"C:\\Program Files\\z.exe\" \"x y\""),
              (V{"C:\\Program Files\\z.exe", "x y"}));
    EXPECT_EQ(zplat::splitCommandLine("a\\\\\\\"b c\\\\\"d e\""), (V{"a\\\"b", "c\\d e"}));
    EXPECT_EQ(zplat::splitCommandLine("\"\" x"), (V{"", "x"}));
    EXPECT_TRUE(zplat::splitCommandLine("  ").empty());
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(Services, CreateProcessStartsInTheGivenDirectoryWithoutWaiting) {
    const auto dir = std::filesystem::temp_directory_path() / ("zplat-proc-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string cmd = "sh -c \"echo $ZS_WORD > out.txt\"";
    char env[] = "ZS_WORD=started\0PATH=/usr/bin:/bin\0";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, env, dir.c_str(), &si, &pi));
    EXPECT_GT(pi.dwProcessId, 0u);
    CloseHandle(pi.hProcess);
    std::string got;
    for (int i = 0; i < 200 && got.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        got = slurp(dir / "out.txt");
    }
    EXPECT_EQ(got, "started\n");
    std::filesystem::remove_all(dir);
}

TEST(Services, CreateProcessReportsAMissingProgram) {
    STARTUPINFOA si{};
    PROCESS_INFORMATION pi{};
    EXPECT_FALSE(CreateProcessA("/nonexistent/ZSelect.exe", nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &si, &pi));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(Services, HelpViewerPrintsTheFileOnTheCommandLine) {
    const auto file = std::filesystem::temp_directory_path() / ("zplat-help-" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << "Zarvo help\r\nSecond line";
    std::string out;
    auto previous = zcad::setOutputSink([&](std::string_view s) { out += s; });
    EXPECT_TRUE(WinHelpA(nullptr, file.c_str(), HELP_CONTEXT, 98320));
    EXPECT_FALSE(WinHelpA(nullptr, "/nonexistent/zautils.hlp", HELP_CONTEXT, 98320));
    zcad::setOutputSink(previous);
    EXPECT_EQ(out, "\nZarvo help\nSecond line\n");
    std::filesystem::remove(file);
}

TEST(Services, SoundsGoToTheSink) {
    std::vector<std::string> heard;
    auto previous = zplat::setSoundSink([&](std::string_view s) { heard.emplace_back(s); });
    PlaySoundA("Exclamation", nullptr, SND_ALIAS | SND_ASYNC);
    MessageBeep(0);
    zplat::setSoundSink(previous);
    EXPECT_EQ(heard, (std::vector<std::string>{"Exclamation", "beep"}));
}

TEST(Services, DebugStreamOnlyWhenAsked) {
    ::unsetenv("ZARVO_DEBUG");
    testing::internal::CaptureStderr();
    OutputDebugStringA("hidden\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ::setenv("ZARVO_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    OutputDebugStringA("Received \"AcRx::kQuitMsg\"\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Received \"AcRx::kQuitMsg\"\n");
    ::unsetenv("ZARVO_DEBUG");
}

}  // namespace
