// Data exchange between a settings tab's controls and the settings record,
// both ways. A setting is named by its registry value name, so that its
// valid range and text limit come from the settings table: a value the
// registry reader would refuse is refused here, with the control focused.
#pragma once

#include <platform/data_exchange.h>

#include <span>
#include <string>

namespace zaconfig {

// A radio and the value it stands for; alias: another value it shows.
struct RadioChoice {
    int id;
    int value;
    int alias = -1;
};

void exchangeRadios(zplat::DataExchange& dx, std::span<const RadioChoice> choices, int& value);
void exchangeRadios(zplat::DataExchange& dx, std::span<const RadioChoice> choices, bool& value);

// A check box over bits of a flag word: ticked sets them all, unticked
// clears them; shown ticked when the bits of shownBy are set.
void exchangeBits(zplat::DataExchange& dx, int id, int& word, int bits, int shownBy);

void exchangeNumber(zplat::DataExchange& dx, int id, const char* setting, int& value);
// Shown in its shortest exact form, or by the printf format given.
void exchangeNumber(zplat::DataExchange& dx, int id, const char* setting, double& value,
                    const char* format = nullptr);
// An empty layer or file name is its default, as the registry reads it.
void exchangeText(zplat::DataExchange& dx, int id, const char* setting, std::string& value);

// The characters an edit of that text setting may hold.
std::size_t textLimit(const char* setting);

}  // namespace zaconfig
