#include "zcad/entity_shape.h"

namespace zcad {

void Box::add(const double p[3]) {
    for (int i = 0; i < 3; ++i) {
        if (p[i] < min[i]) min[i] = p[i];
        if (p[i] > max[i]) max[i] = p[i];
    }
}

void Box::add(const Box& other) {
    if (other.empty()) return;
    add(other.min);
    add(other.max);
}

}  // namespace zcad
