#include "project/random32.h"

#include <QRandomGenerator>

namespace tz {

Random32& processRandom() {
    static Random32 generator(QRandomGenerator::system()->generate());
    return generator;
}

} // namespace tz
