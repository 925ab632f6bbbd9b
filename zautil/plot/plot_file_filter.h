// The file dialog filters of the suite's plot files.
#pragma once

// Every kind at once: the first entry of both filters.
#define ZA_ALL_PLOT_FILES                                                                \
    "Zarvo Plot Files (*.a??;*.e??;*.g??;*.l??;*.m??;*.p??;*.q??;*.s??;*.v??;*.x?\?)" \
    "|*.a??;*.e??;*.g??;*.l??;*.m??;*.p??;*.q??;*.s??;*.v??;*.x??"

// A new plot file.
inline constexpr const char* kZaNewPlotFileFilter = ZA_ALL_PLOT_FILES "||";

// An existing one, of any kind or by kind of drawing.
inline constexpr const char* kZaPlotFileFilter = ZA_ALL_PLOT_FILES
    "|Alignment Files (*.a?? )|*.a??"
    "|Earthworks Files (*.e?? )|*.e??"
    "|Graphs Files (*.g?? )|*.g??"
    "|Long Section Files (*.l?? )|*.l??"
    "|Model Files(3D) (*.m?? )|*.m??"
    "|Plan Files (*.p?? )|*.p??"
    "|Tarnok Plan Files (*.q?? )|*.q??"
    "|Section Files (*.s?? )|*.s??"
    "|Perspective Files (*.v?? )|*.v??"
    "|Cross Section Files (*.x?? )|*.x??"
    "|All Files (*.*)|*.*||";
