#pragma once
// Text colours that stay readable on their background, by the contrast of
// the accessibility guideline WCAG 2: ratios from 1 (the same luminance) to
// 21 (black on white), 4.5 being the least for ordinary text.

namespace tewo {

struct Rgb {
  unsigned char r = 0;
  unsigned char g = 0;
  unsigned char b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The relative luminance of an sRGB colour: 0 for black to 1 for white.
double RelativeLuminance(Rgb colour);

// The contrast ratio of two colours, in either order.
double ContrastRatio(Rgb a, Rgb b);

inline constexpr double kReadableContrast = 4.5;

// colour where it already reaches kReadableContrast on background; else
// colour darkened (its channels scaled down alike, so that its hue stays)
// just as far as it takes, or black where nothing darker would do.
Rgb ReadableOn(Rgb colour, Rgb background);

}  // namespace tewo
