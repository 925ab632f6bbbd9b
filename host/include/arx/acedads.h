// The host's C-style calls: command-line output, result buffers, entities,
// selection, prompts, system variables, tables, geometry and host commands.
#pragma once

#include <cstddef>

#include "adscodes.h"
#include "adsdef.h"
#include "acerr.h"

#pragma GCC visibility push(default)

// Output on the command line.
int acutPrintf(const ACHAR* format, ...) __attribute__((format(printf, 1, 2)));

// Result-buffer lists: pairs of type (or DXF group code) and value, ended by 0.
// The value's C type follows the code: see the host's README.
resbuf* acutBuildList(int rtype, ...);
resbuf* acutNewRb(int rtype);
int acutRelRb(resbuf* list);

// Entities of the current drawing.
int acdbEntMake(const resbuf* list);
int acdbEntMakeX(const resbuf* list, ads_name result);
resbuf* acdbEntGet(const ads_name entity);
int acdbEntNext(const ads_name entity, ads_name result);  // entity null: the first
int acdbEntLast(ads_name result);
int acdbEntMod(const resbuf* list);
int acdbEntDel(const ads_name entity);
int acdbEntUpd(const ads_name entity);

// Selection.
int acedSSGet(const ACHAR* mode, const void* point1, const void* point2, const resbuf* filter, ads_name set);
int acedSSLength(const ads_name set, ads_int32* length);
int acedSSName(const ads_name set, ads_int32 index, ads_name entity);
int acedSSAdd(const ads_name entity, const ads_name set, ads_name result);
int acedSSDel(const ads_name entity, const ads_name set);
int acedSSFree(const ads_name set);
int acedEntSel(const ACHAR* prompt, ads_name entity, ads_point pick);

// Prompts.
int acedInitGet(int bits, const ACHAR* keywords);
int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t size);
int acedGetReal(const ACHAR* prompt, ads_real* result);
int acedGetString(int allowBlanks, const ACHAR* prompt, ACHAR* result, std::size_t size);
int acedGetInput(ACHAR* keyword, std::size_t size);
int acedUsrBrk();
int acedAlert(const ACHAR* text);
int acedRetVoid();

template <std::size_t N>
int acedGetKword(const ACHAR* prompt, ACHAR (&result)[N]) { return acedGetKword(prompt, result, N); }
template <std::size_t N>
int acedGetString(int allowBlanks, const ACHAR* prompt, ACHAR (&result)[N]) { return acedGetString(allowBlanks, prompt, result, N); }

// Display.
int acedRedraw(const ads_name entity, int mode);
int acedGrDraw(const ads_point from, const ads_point to, int colour, int highlight);

// System variables. A string result is allocated: release it with free().
int acedGetVar(const ACHAR* name, resbuf* result);
int acedSetVar(const ACHAR* name, const resbuf* value);

// Symbol tables ("LAYER", "STYLE", "LTYPE"), by name, case-insensitive.
resbuf* acdbTblSearch(const ACHAR* table, const ACHAR* name, int setNext);
resbuf* acdbTblNext(const ACHAR* table, int rewind);

// Geometry. Coordinate systems: RTSHORT 0 world, 1 user, 2 display;
// RTENAME an entity's system; RT3DPOINT an extrusion direction.
int acedTrans(const ads_point point, const resbuf* from, const resbuf* to, int displacement, ads_point result);
int acedTextBox(const resbuf* text, ads_point lowerLeft, ads_point upperRight);
void acutPolar(const ads_point point, ads_real angle, ads_real distance, ads_point result);
ads_real acutAngle(const ads_point from, const ads_point to);
ads_real acutDistance(const ads_point from, const ads_point to);
int acdbRToS(ads_real value, int unit, int precision, ACHAR* result, std::size_t size);
int acutWcMatch(const ACHAR* text, const ACHAR* pattern);  // RTNORM on a match, else RTERROR

template <std::size_t N>
int acdbRToS(ads_real value, int unit, int precision, ACHAR (&result)[N]) { return acdbRToS(value, unit, precision, result, N); }

// Host commands: RTSTR, RTREAL, RTSHORT, RTPOINT/RT3DPOINT words ended by RTNONE.
int acedCommandS(int rtype, ...);
int acedCommand(int rtype, ...);
int acedCmdS(const resbuf* words);

#pragma GCC visibility pop
