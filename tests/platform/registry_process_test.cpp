// Writers in several processes: values set at the same moment all land, and a
// writer killed while writing leaves the old file or the new one.
#include "registry_fixture.h"

#include "registry/reg_store.h"
#include "registry/reg_text.h"

#include <csignal>
#include <sys/wait.h>

namespace {

DWORD readDword(const char* name) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return ~0u;
    DWORD v = ~0u, size = 4, type = 0;
    if (RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<LPBYTE>(&v), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        v = ~0u;
    RegCloseKey(k);
    return v;
}

bool setDword(const std::string& name, DWORD value) {
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = RegSetValueExA(k, name.c_str(), 0, REG_DWORD,
                                   reinterpret_cast<const BYTE*>(&value), 4) == ERROR_SUCCESS;
    RegCloseKey(k);
    return ok;
}

TEST_F(RegistryTest, ValuesSetByProcessesAtTheSameMomentAllLand) {
    constexpr int kProcs = 4;
    constexpr int kValues = 25;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> kids;
    for (int p = 0; p < kProcs; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(gate[1]);
            char c;
            (void)::read(gate[0], &c, 1);  // everyone starts when the gate opens
            bool ok = true;
            for (int i = 0; i < kValues; ++i)
                ok = setDword("P" + std::to_string(p) + " V" + std::to_string(i),
                              static_cast<DWORD>(p * 1000 + i)) && ok;
            ::_exit(ok ? 0 : 1);
        }
        kids.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (const pid_t pid : kids) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int p = 0; p < kProcs; ++p)
        for (int i = 0; i < kValues; ++i) {
            const std::string name = "P" + std::to_string(p) + " V" + std::to_string(i);
            EXPECT_EQ(readDword(name.c_str()), static_cast<DWORD>(p * 1000 + i)) << name;
        }
}

TEST_F(RegistryTest, WriterKilledHalfWayLeavesTheOldFile) {
    ASSERT_TRUE(setDword("Before", 1));
    const std::string before = readFile();
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        zplat::reg::setWriteHook([](std::size_t written, std::size_t total) {
            if (written < total) ::raise(SIGKILL);
        });
        HKEY k = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_WRITE, &k);
        const std::string big(20000, 'x');  // several pieces, so the kill lands inside
        RegSetValueExA(k, "Big", 0, REG_SZ, reinterpret_cast<const BYTE*>(big.c_str()),
                       static_cast<DWORD>(big.size() + 1));
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(readFile(), before);
    // The dead writer's lock went with it; the next write goes through.
    ASSERT_TRUE(setDword("After", 2));
    EXPECT_EQ(readDword("Before"), 1u);
    EXPECT_EQ(readDword("After"), 2u);
}

TEST_F(RegistryTest, WritersKilledAtRandomNeverLeaveATornFile) {
    ASSERT_TRUE(setDword("Counter", 0));
    for (int round = 0; round < 8; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const std::string pad(6000 + round * 977, 'p');
            for (DWORD i = 1;; ++i) {
                setDword("Counter", i);
                HKEY k = nullptr;
                RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_WRITE, &k);
                const std::string text = pad + std::to_string(i);
                RegSetValueExA(k, "Pad", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                               static_cast<DWORD>(text.size() + 1));
                RegCloseKey(k);
            }
        }
        ::usleep(2000 + static_cast<useconds_t>(round) * 1500);
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        const auto parsed = zplat::reg::parseRegText(readFile());
        ASSERT_TRUE(parsed.document) << "round " << round << ": " << parsed.error;
        EXPECT_NE(readDword("Counter"), ~0u);
    }
    EXPECT_TRUE(reports_.empty());
}

}  // namespace
