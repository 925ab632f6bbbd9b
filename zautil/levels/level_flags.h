// The flag words of the level tools' settings: which values the prompt
// dialog asks for, the layer preference in two bits, whether the dialog is
// shown and whether a run stores what it used.
#pragma once

#include <functional>
#include <string>

struct ZaSettings;

inline constexpr int kZaLevelAllFixed = 0x001;
inline constexpr int kZaLevelFixedPrecision = 0x002;
inline constexpr int kZaLevelFixedOffset = 0x004;
inline constexpr int kZaLevelFixedHeight = 0x008;
inline constexpr int kZaLevelFixedAngle = 0x010;
inline constexpr int kZaLevelLayerDefined = 0x020;
inline constexpr int kZaLevelLayerNotPrompt = 0x040;
inline constexpr int kZaLevelShowDialog = 0x080;
inline constexpr int kZaLevelSaveDefaults = 0x100;

enum class ZaLayerPreference { Prompt = 0, Current = 1, Defined = 2 };

ZaLayerPreference zaLayerPreference(int flags);
// The flag word with the preference's two bits written and the rest kept.
int zaWithLayerPreference(int flags, ZaLayerPreference preference);

// Prints the line that tells where the new entities will go.
void zaAnnounceLayerPreference(ZaLayerPreference preference, const std::string& definedLayer);

// The end of a run: when the run's flag word asks for it, `keep` copies the
// run's group into the live settings; otherwise only the request is cleared
// from the live flag word. Every setting is then written to the registry.
void zaStoreLevelSettings(int runFlags, int& liveFlags, const std::function<void(ZaSettings&)>& keep);
