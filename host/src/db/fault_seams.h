// Faults armed by tests through host_test.h.
#pragma once

namespace zcad::test {

// Counts an entity-make call with a list; true when this call must fail.
bool takeEntityMakeFault();

}  // namespace zcad::test
