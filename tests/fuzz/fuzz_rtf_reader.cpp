// Reads any bytes as a help text.
#include "FuzzSupport.h"

#include "help/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    readRtf(FuzzSupport::bytesOf(data, size));
    return 0;
}
