// The needle's end point for arbitrary azimuth texts, typed or pasted into the azimuth field:
// never a crash, and always within the dial's square.
#include <cstdint>
#include <cstdlib>

#include "fuzz_text.h"
#include "ui/needle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const velmoro::Text text = velmoro::fuzz::textFromBytes(velmoro::fuzz::bytesOf(data, size));
    const velmoro::TwipPoint end = velmoro::needleEndPoint(text);
    constexpr int DIAL_EDGE = 2 * velmoro::NEEDLE_PIVOT_TWIPS;  // the square the needle sweeps
    if (end.x < 0 || end.x > DIAL_EDGE || end.y < 0 || end.y > DIAL_EDGE) {
        std::abort();
    }
    return 0;
}
