// The sponsor banner as the PDF shows it: fitted into a strip at the top of
// the page, scaled, in red-green-blue order with the top row first.
#pragma once

#include <cstdint>
#include <vector>

#include "meet/meet_state.h"

namespace kavalto {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * 3 bytes per row, no padding
};

// The banner's size in a box W − 20 wide and H / 20 high, keeping its
// proportions, the width rounded down to a multiple of 16. 0 × 0 when the
// banner is empty or fits in no width.
struct FittedSize {
    int width = 0;
    int height = 0;
};
FittedSize FitPdfBanner(int bannerWidth, int bannerHeight, int pageWidth, int pageHeight);

// Scales a banner: every source pixel goes to its place in the new size (a
// place hit twice takes the average); where the new size is larger, the
// places left empty are filled by linear interpolation along rows, then
// along columns, the last filled pixel repeated to the end.
SponsorBanner ScaleBanner(const SponsorBanner& source, int width, int height);

// The banner ready for the PDF document; empty when it cannot be shown.
RgbImage PreparePdfBanner(const SponsorBanner& banner, int pageWidth, int pageHeight);

}  // namespace kavalto
