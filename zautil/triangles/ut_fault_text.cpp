#include "triangles/ut_fault_text.h"

#include "arx/acedads.h"
#include "shell/za_advice.h"

namespace zatriangles {
namespace {

struct Texts {
    const char* faces;
    const char* solids;
    const char* meshOrCatchment;
};

Texts textsOf(UTFault fault) {
    switch (fault) {
    case UTFault::None: return {"", "", ""};
    case UTFault::NotUT:
        return {"Not a UT file\nZarvo_AutoCAD UT file open error\n", "Not a UT file\nZarvo_AutoCAD UT file open error\n",
                "Not a UT file\nZarvo_AutoCAD triangle file has invalid format\n"};
    case UTFault::CannotOpenUP:
        return {"Cannot open UP file\nZarvo_AutoCAD UT file open error\n",
                "Cannot open UP file\nZarvo_AutoCAD UT file open error",
                "Cannot open UP file\nZarvo_AutoCAD triangle point file has invalid format\n"};
    case UTFault::CannotSeekUP:
        return {"Cannot seek UP file\nZarvo_AutoCAD UT file open error\n",
                "Cannot seek UP file\nZarvo_AutoCAD UT file open error",
                "Cannot seek UP file\nZarvo_AutoCAD triangle point file has invalid format\n"};
    case UTFault::BadSizeUP:
        return {"Bad size for UP file", "Bad size for UP file\nZarvo_AutoCAD UT file open error",
                "Bad size for UP file\nZarvo_AutoCAD triangle point file has invalid format\n"};
    case UTFault::ShortUP:
        return {"Unexpected EOF on UP file\nZarvo_AutoCAD UT file open error)\n",
                "Unexpected EOF on UP file\nZarvo_AutoCAD UT file open error",
                "Unexpected EOF on UP file\nZarvo_AutoCAD code error\n"};
    case UTFault::PointNotNumber:
        return {"Bad UP file (a point that is not a number)\nZarvo_AutoCAD UT file open error\n",
                "Bad UP file (a point that is not a number)\nZarvo_AutoCAD UT file open error",
                "Bad UP file (a point that is not a number)\nZarvo_AutoCAD triangle point file has invalid format\n"};
    case UTFault::CannotOpenUT:
        return {"Cannot open UT file", "Cannot open UT file\nZarvo_AutoCAD UT file open error",
                "Cannot open UT file\nZarvo_AutoCAD triangle point file has invalid format\n"};
    case UTFault::CannotSeekUT:
        return {"Cannot seek UT file", "Cannot seek UT file\nZarvo_AutoCAD UT file open error",
                "Cannot seek UT file\nZarvo_AutoCAD triangle point file has invalid format\n"};
    case UTFault::BadSizeUT:
        return {"Bad size for UT file", "Bad size for UT file\nZarvo_AutoCAD UT file open error",
                "Bad size for UT file\nZarvo_AutoCAD triangle point file has invalid format\n"};
    case UTFault::ShortPrescan: {
        constexpr const char* text = "Cannot read UT file (prescan)\nZarvo_AutoCAD triangle point file has invalid format\n";
        return {text, text, text};
    }
    case UTFault::BadVertex:
        return {"Bad UT file (vertex number)", "Bad UT file (vertex number)",
                "Bad UT file (prescan: vertex number)\nZarvo_AutoCAD triangle file has invalid format\n"};
    case UTFault::BadNeighbour: {
        constexpr const char* text = "Bad UT file (prescan: neighbour number)\nZarvo_AutoCAD triangle file has invalid format\n";
        return {text, text, text};
    }
    case UTFault::ShortUT:
        return {"Unexpected EOF on UT file", "Unexpected EOF on UT file\nZarvo_AutoCAD UT file open error",
                "Unexpected EOF on UT file\nZarvo_AutoCAD code error\n"};
    }
    return {"", "", ""};
}

}  // namespace

const char* utFaultText(UTFault fault, LoaderFamily family) {
    const Texts texts = textsOf(fault);
    switch (family) {
    case LoaderFamily::Faces: return texts.faces;
    case LoaderFamily::Solids: return texts.solids;
    case LoaderFamily::MeshOrCatchment: return texts.meshOrCatchment;
    }
    return "";
}

void reportUTFault(UTFault fault, LoaderFamily family) {
    acutPrintf("\n");
    zaAdviceMessage(utFaultText(fault, family));
}

}  // namespace zatriangles
