// The layer preference of the level tools' flag words ("P2L Preferences",
// "L2P Preferences"), held in bits 0x040 and 0x020.
#pragma once

enum ZaLayerPreference { kZaLayerPrompt = 0, kZaLayerCurrent = 1, kZaLayerDefined = 2 };

inline constexpr int kZaLayerCurrentBit = 0x040;
inline constexpr int kZaLayerDefinedBit = 0x020;

// 0x040 clear: PROMPT; 0x040 alone: CURRENT; both: DEFINED.
constexpr int zaLayerPreference(int flags) {
    if (!(flags & kZaLayerCurrentBit)) return kZaLayerPrompt;
    return (flags & kZaLayerDefinedBit) ? kZaLayerDefined : kZaLayerCurrent;
}

// The flags with the preference's bits written in.
constexpr int zaWithLayerPreference(int flags, int preference) {
    flags &= ~(kZaLayerCurrentBit | kZaLayerDefinedBit);
    if (preference == kZaLayerCurrent) return flags | kZaLayerCurrentBit;
    if (preference == kZaLayerDefined) return flags | kZaLayerCurrentBit | kZaLayerDefinedBit;
    return flags;
}
