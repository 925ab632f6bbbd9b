// Basic types of the host API: reals, points, names and result buffers.
// Text is single-byte (Windows-1252 in meaning), so ACHAR is char and the
// narrow/wide conversions the module performs are identities.
#pragma once

#include <cstdint>

#pragma GCC visibility push(default)

typedef char ACHAR;
#ifndef ACRX_T
#define ACRX_T(x) x
#endif

typedef double ads_real;
typedef ads_real ads_point[3];
typedef std::int64_t ads_name[2];
typedef ads_real ads_matrix[4][4];
typedef ads_real* ads_pointp;
typedef std::int64_t* ads_namep;
typedef std::int32_t ads_int32;
typedef std::int64_t ads_int64;

enum { X = 0, Y = 1, Z = 2 };

struct ads_binary {
    short clen;
    char* buf;
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    ACHAR* rstring;
    ads_name rlname;
    ads_int32 rlong;
    ads_int64 mnInt64;
    ads_binary rbinary;
    unsigned char ihandle[8];
};

struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};

inline void ads_name_set(const ads_name from, ads_name to) { to[0] = from[0]; to[1] = from[1]; }
inline void ads_name_clear(ads_name n) { n[0] = 0; n[1] = 0; }
inline bool ads_name_nil(const ads_name n) { return n[0] == 0 && n[1] == 0; }
inline bool ads_name_equal(const ads_name a, const ads_name b) { return a[0] == b[0] && a[1] == b[1]; }
inline void ads_point_set(const ads_point from, ads_point to) { to[0] = from[0]; to[1] = from[1]; to[2] = from[2]; }

#pragma GCC visibility pop
