#include "common/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace tewo {

namespace {

double Linear(unsigned char channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Rgb Scaled(Rgb colour, double factor) {
  // Rounded down: a scaled colour is never lighter than the factor says.
  auto scale = [factor](unsigned char c) {
    return static_cast<unsigned char>(std::floor(c * factor));
  };
  return {scale(colour.r), scale(colour.g), scale(colour.b)};
}

}  // namespace

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableOn(Rgb colour, Rgb background) {
  if (ContrastRatio(colour, background) >= kReadableContrast) return colour;
  // The least darkening that reaches the contrast: the luminance falls as
  // the factor does, so halving the interval finds it.
  const double darkest = (RelativeLuminance(background) + 0.05) / kReadableContrast - 0.05;
  if (darkest < 0) return {};
  double readable = 0;
  double unreadable = 1;
  for (int step = 0; step < 20; ++step) {
    const double middle = (readable + unreadable) / 2;
    (RelativeLuminance(Scaled(colour, middle)) <= darkest ? readable : unreadable) = middle;
  }
  return Scaled(colour, readable);
}

}  // namespace tewo
