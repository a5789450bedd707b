// The entry libFuzzer calls with each input it makes.

#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkInput(QByteArrayView(data, qsizetype(size)));
    return 0;
}
