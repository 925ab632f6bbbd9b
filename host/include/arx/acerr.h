// Error status of the host's object calls.
#pragma once

#include "adsdef.h"

#pragma GCC visibility push(default)

namespace Acad {
enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eKeyNotFound = 44,
    eDuplicateKey = 48,
    eInvalidKey = 49,
    eNullObjectPointer = 53,
    eNotOpenForWrite = 81,
    eNotOpenForRead = 82,
    eWasOpenForWrite = 85,
    eDuplicateRecordName = 139,
    eInvalidSymbolTableName = 202,
    eIsWriteProtected = 228,
};
}

const ACHAR* acadErrorStatusText(Acad::ErrorStatus status);

#pragma GCC visibility pop
