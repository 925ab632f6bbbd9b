// Typed values on an open registry key, encoded as the suite's programs
// expect them: flags and whole numbers as REG_DWORD, reals and counted
// texts as REG_SZ text. A value of another type reads as missing.
#pragma once

#include <platform/registry.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class ZaRegText { Ok, Missing, NotText, TooLong };

// A REG_SZ that fits limit bytes with its terminating zero.
ZaRegText zaRegQueryText(HKEY key, const char* name, std::size_t limit, std::string& text);

std::optional<bool> zaRegReadFlag(HKEY key, const char* name);  // any non-zero is true
std::optional<int> zaRegReadWhole(HKEY key, const char* name);
std::optional<double> zaRegReadReal(HKEY key, const char* name);  // at most 64 bytes of text
std::optional<std::string> zaRegReadText(HKEY key, const char* name, std::size_t limit);
std::optional<int> zaRegReadCounted(HKEY key, const char* name);  // "%d" text

bool zaRegWriteFlag(HKEY key, const char* name, bool value);  // 1 or 0
bool zaRegWriteWhole(HKEY key, const char* name, int value);
bool zaRegWriteReal(HKEY key, const char* name, double value);  // "%.5f"
// At most limit - 1 characters, so that what is written reads back.
bool zaRegWriteText(HKEY key, const char* name, std::string_view text, std::size_t limit);
bool zaRegWriteCounted(HKEY key, const char* name, int value);  // "%d"
